// The single error of a damaged index: what() is the engine's message
// "Index file %s is corrupted"; detail() says what was wrong, for logs and tests.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "dbf/base/errors.h"

namespace kestrin::dbf {

class ECdxCorrupted : public EDbfDamaged {
 public:
  ECdxCorrupted(std::string_view fileName, std::string detail)
      : EDbfDamaged("Index file %s is corrupted", fileName, std::move(detail)) {}
};

[[noreturn]] void throwCdxCorrupted(std::string_view fileName, std::string detail);

}  // namespace kestrin::dbf
