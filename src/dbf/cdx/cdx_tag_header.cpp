#include "dbf/cdx/cdx_tag_header.h"

#include <algorithm>

#include "dbf/base/coding.h"
#include "dbf/cdx/cdx_corrupted.h"
#include "text/cp1251_case.h"

namespace kestrin::dbf {

namespace {

constexpr std::size_t kKeyLengthAt = 12;
constexpr std::size_t kOptionsAt = 14;
constexpr std::size_t kCollationAt = 494;
constexpr std::size_t kCollationSize = 8;
constexpr std::size_t kOrderAt = 502;
constexpr std::size_t kExpressionsAt = 512;

// Text from `p` up to the first NUL or `limit`.
std::string textUpToNul(const unsigned char* p, const unsigned char* limit) {
  const unsigned char* end = std::find(p, limit, 0);
  return std::string(p, end);
}

}  // namespace

CdxCollation CdxTagHeader::collation() const {
  return text::equalsNoCase1251(collationName, "GENERAL") ? CdxCollation::General : CdxCollation::Machine;
}

CdxTagHeader CdxTagHeader::decode(const unsigned char* p, const unsigned char* limit, std::uint64_t fileSize,
                                  std::string_view fileName) {
  if (limit < p || static_cast<std::size_t>(limit - p) < kCdxTagHeaderSize) {
    throwCdxCorrupted(fileName, "tag header is cut short");
  }
  CdxTagHeader h;
  h.rootOffset = decodeLE32(p);
  h.keyLength = decodeLE16(p + kKeyLengthAt);
  h.options = p[kOptionsAt];
  h.collationName = textUpToNul(p + kCollationAt, p + kCollationAt + kCollationSize);
  h.descending = decodeLE16(p + kOrderAt) != 0;

  const unsigned char* expressionEnd = p + kCdxTagHeaderSize;
  h.keyExpression = textUpToNul(p + kExpressionsAt, expressionEnd);
  const unsigned char* forStart = p + kExpressionsAt + h.keyExpression.size() + 1;
  if (forStart < expressionEnd) h.forExpression = textUpToNul(forStart, expressionEnd);

  if (h.rootOffset == 0 || h.rootOffset % kCdxBlockSize != 0 ||
      std::uint64_t{h.rootOffset} + kCdxBlockSize > fileSize) {
    throwCdxCorrupted(fileName, "root node offset " + std::to_string(h.rootOffset) + " is not a block inside the file");
  }
  if (h.keyLength == 0 || h.keyLength > kCdxMaxKeyLength) {
    throwCdxCorrupted(fileName, "key length " + std::to_string(h.keyLength) + " is not 1..240");
  }
  if (!h.isDirectory() && h.keyExpression.empty()) {
    throwCdxCorrupted(fileName, "tag has no key expression");
  }
  return h;
}

}  // namespace kestrin::dbf
