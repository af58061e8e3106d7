// Exceptions of the storage engine. Messages are the engine's English texts
// with their placeholders filled; the program shows them as they are.
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kestrin::dbf {

// Fills the %s and %d placeholders of a message pattern in order.
std::string formatMessage(std::string_view pattern, std::initializer_list<std::string_view> args);

// Errors of the table, memo and index layers.
class EDbfError : public std::runtime_error {
 public:
  explicit EDbfError(const std::string& message) : std::runtime_error(message) {}
  EDbfError(std::string_view pattern, std::initializer_list<std::string_view> args)
      : std::runtime_error(formatMessage(pattern, args)) {}
};

// A table whose header marks it as encrypted.
class EDbfEncryption : public EDbfError {
 public:
  using EDbfError::EDbfError;
};

// Errors of the table cursor itself ("Table name missing", "Field '%s' not found", ...).
class ECursorError : public std::runtime_error {
 public:
  explicit ECursorError(const std::string& message) : std::runtime_error(message) {}
  ECursorError(std::string_view pattern, std::initializer_list<std::string_view> args)
      : std::runtime_error(formatMessage(pattern, args)) {}
};

}  // namespace kestrin::dbf
