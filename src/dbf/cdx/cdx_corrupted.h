// The single error of a damaged index: what() is the engine's message
// "Index file %s is corrupted"; detail() says what was wrong, for logs and tests.
#pragma once

#include <string>
#include <string_view>

#include "dbf/base/errors.h"

namespace kestrin::dbf {

class ECdxCorrupted : public EDbfError {
 public:
  ECdxCorrupted(std::string_view fileName, std::string detail);

  const std::string& detail() const noexcept { return detail_; }

 private:
  std::string detail_;
};

[[noreturn]] void throwCdxCorrupted(std::string_view fileName, std::string detail);

}  // namespace kestrin::dbf
