// The 1024-byte header of a tag (and of the tag directory at offset 0).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dbf/cdx/cdx_types.h"

namespace kestrin::dbf {

struct CdxTagHeader {
  std::uint32_t rootOffset = 0;
  std::uint16_t keyLength = 0;
  std::uint8_t options = 0;
  bool descending = false;
  std::string collationName;  // as stored, e.g. "MACHINE"
  std::string keyExpression;
  std::string forExpression;

  bool unique() const { return (options & kCdxOptionUnique) != 0; }
  bool hasForCondition() const { return (options & kCdxOptionHasFor) != 0; }
  bool isDirectory() const { return (options & kCdxOptionDirectory) != 0; }
  CdxCollation collation() const;

  // Decodes the header in [p, limit) and checks it against a file of
  // `fileSize` bytes: root offset nonzero, block-aligned and inside the file,
  // key length 1..240, and either the directory flag or a key expression.
  // Faults throw ECdxCorrupted naming `fileName`.
  static CdxTagHeader decode(const unsigned char* p, const unsigned char* limit, std::uint64_t fileSize,
                             std::string_view fileName);
};

}  // namespace kestrin::dbf
