// Exceptions of the storage engine. Messages are the engine's English texts
// with their placeholders filled; the program shows them as they are.
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace kestrin::dbf {

// Fills the %s and %d placeholders of a message pattern in order.
std::string formatMessage(std::string_view pattern, std::initializer_list<std::string_view> args);

// Errors of the table, memo and index layers.
class EDbfError : public std::runtime_error {
 public:
  explicit EDbfError(const std::string& message) : std::runtime_error(message), message_(message) {}
  EDbfError(std::string_view pattern, std::initializer_list<std::string_view> args)
      : EDbfError(formatMessage(pattern, args)) {}

  // The whole message: what() ends at the first NUL, and a field text
  // quoted from a damaged record may hold one.
  const std::string& message() const noexcept { return message_; }

 private:
  std::string message_;
};

// A damaged file: what() is the engine's message, the same for every fault of
// its kind; detail() says which check failed, with the numbers, for logs and
// tests.
class EDbfDamaged : public EDbfError {
 public:
  EDbfDamaged(std::string_view pattern, std::string_view fileName, std::string detail)
      : EDbfError(pattern, {fileName}), detail_(std::move(detail)) {}

  const std::string& detail() const noexcept { return detail_; }

 private:
  std::string detail_;
};

// A table whose header marks it as encrypted.
class EDbfEncryption : public EDbfError {
 public:
  using EDbfError::EDbfError;
};

// A filter scan stopped because its progress callback asked it to; the
// cursor's view stays as it was before the scan began.
class EScanCancelled : public EDbfError {
 public:
  EScanCancelled() : EDbfError("Filter scan cancelled") {}
};

// Errors of the table cursor itself ("Table name missing", "Field '%s' not found", ...).
class ECursorError : public std::runtime_error {
 public:
  explicit ECursorError(const std::string& message) : std::runtime_error(message) {}
  ECursorError(std::string_view pattern, std::initializer_list<std::string_view> args)
      : std::runtime_error(formatMessage(pattern, args)) {}
};

}  // namespace kestrin::dbf
