#include "dbf/cdx/cdx_node_layout.h"

#include <string>

#include "dbf/base/coding.h"
#include "dbf/cdx/cdx_corrupted.h"
#include "dbf/cdx/cdx_types.h"

namespace kestrin::dbf {

CdxNodeHeader CdxNodeHeader::decode(const unsigned char* p, const unsigned char* limit, std::string_view fileName) {
  if (limit < p || static_cast<std::size_t>(limit - p) < kCdxBlockSize) {
    throwCdxCorrupted(fileName, "node is cut short");
  }
  CdxNodeHeader h;
  h.attributes = decodeLE16(p);
  h.count = decodeLE16(p + 2);
  h.leftSibling = decodeLE32(p + 4);
  h.rightSibling = decodeLE32(p + 8);
  return h;
}

CdxLeafLayout CdxLeafLayout::decode(const unsigned char* p, const unsigned char* limit, int count,
                                    std::string_view fileName) {
  if (limit < p || static_cast<std::size_t>(limit - p) < kCdxBlockSize) {
    throwCdxCorrupted(fileName, "leaf node is cut short");
  }
  CdxLeafLayout l;
  l.recNoMask_ = decodeLE32(p + 14);
  l.duplicateMask_ = p[18];
  l.trailingMask_ = p[19];
  l.recNoBits_ = p[20];
  l.duplicateBits_ = p[21];
  l.trailingBits_ = p[22];
  l.bytesPerEntry_ = p[23];
  if (count == 0) return l;

  if (l.bytesPerEntry_ < 2 || l.bytesPerEntry_ > 8) {
    throwCdxCorrupted(fileName, "leaf entry size " + std::to_string(l.bytesPerEntry_) + " is not 2..8 bytes");
  }
  if (static_cast<std::size_t>(count) * l.bytesPerEntry_ > kCdxBlockSize - kCdxLeafHeaderSize) {
    throwCdxCorrupted(fileName, std::to_string(count) + " leaf entries do not fit a node");
  }
  if (l.recNoBits_ > 32 || l.duplicateBits_ + l.trailingBits_ > 16 ||
      l.recNoBits_ + l.duplicateBits_ + l.trailingBits_ > 8 * l.bytesPerEntry_) {
    throwCdxCorrupted(fileName, "leaf bit widths " + std::to_string(l.recNoBits_) + "/" +
                                    std::to_string(l.duplicateBits_) + "/" + std::to_string(l.trailingBits_) +
                                    " do not fit " + std::to_string(l.bytesPerEntry_) + "-byte entries");
  }
  return l;
}

CdxLeafEntryBits CdxLeafLayout::decodeEntry(const unsigned char* entry) const {
  CdxLeafEntryBits bits;
  const std::uint32_t word = decodeLE16(entry + bytesPerEntry_ - 2);
  bits.trailing = (word >> (16 - trailingBits_)) & trailingMask_;
  bits.duplicates = (word >> (16 - trailingBits_ - duplicateBits_)) & duplicateMask_;
  std::uint32_t low = 0;
  const unsigned lowBytes = bytesPerEntry_ < 4 ? bytesPerEntry_ : 4;
  for (unsigned i = 0; i < lowBytes; ++i) low |= static_cast<std::uint32_t>(entry[i]) << (8 * i);
  bits.recNo = low & recNoMask_;
  return bits;
}

}  // namespace kestrin::dbf
