#include "dbf/cdx/cdx_corrupted.h"

#include <utility>

namespace kestrin::dbf {

void throwCdxCorrupted(std::string_view fileName, std::string detail) {
  throw ECdxCorrupted(fileName, std::move(detail));
}

}  // namespace kestrin::dbf
