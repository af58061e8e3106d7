// A search the dialog's settings make impossible (a year box that holds no
// year); the message is the person's, in Windows-1251.
#pragma once

#include <stdexcept>
#include <string>

namespace kestrin::search {

class AdvancedSearchError : public std::runtime_error {
 public:
  explicit AdvancedSearchError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace kestrin::search
