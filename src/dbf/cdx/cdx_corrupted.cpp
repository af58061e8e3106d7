#include "dbf/cdx/cdx_corrupted.h"

#include <utility>

namespace kestrin::dbf {

ECdxCorrupted::ECdxCorrupted(std::string_view fileName, std::string detail)
    : EDbfError("Index file %s is corrupted", {fileName}), detail_(std::move(detail)) {}

void throwCdxCorrupted(std::string_view fileName, std::string detail) {
  throw ECdxCorrupted(fileName, std::move(detail));
}

}  // namespace kestrin::dbf
