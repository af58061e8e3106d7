// The fixed parts of a node block: the 12-byte node header shared by interior
// and leaf nodes, and the bit-field layout of a compact leaf. Each decodes
// itself from [p, limit) and checks that what it describes fits the block.
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrin::dbf {

struct CdxNodeHeader {
  std::uint16_t attributes = 0;  // 0 interior, 1 root interior, 2 leaf, 3 root leaf
  std::uint16_t count = 0;
  std::uint32_t leftSibling = 0;  // never followed: the reader moves through parents
  std::uint32_t rightSibling = 0;

  bool isLeaf() const { return attributes >= 2; }

  static CdxNodeHeader decode(const unsigned char* p, const unsigned char* limit, std::string_view fileName);
};

// One decoded compact leaf entry.
struct CdxLeafEntryBits {
  std::uint32_t recNo = 0;
  unsigned duplicates = 0;  // bytes shared with the previous key
  unsigned trailing = 0;    // pad bytes cut from the end
};

class CdxLeafLayout {
 public:
  // Decodes bytes 12..23 of a leaf holding `count` entries and checks that the
  // entries fit after the header and that the bit fields fit their entries.
  static CdxLeafLayout decode(const unsigned char* p, const unsigned char* limit, int count, std::string_view fileName);

  unsigned bytesPerEntry() const { return bytesPerEntry_; }

  // Decodes the entry whose bytes are [entry, entry + bytesPerEntry()); the
  // caller guarantees they lie inside the node. The record number sits in the
  // low bits, the trailing count in the highest bits and the duplicate count
  // just below it, read from the entry's last two bytes.
  CdxLeafEntryBits decodeEntry(const unsigned char* entry) const;

 private:
  std::uint32_t recNoMask_ = 0;
  std::uint8_t duplicateMask_ = 0;
  std::uint8_t trailingMask_ = 0;
  unsigned recNoBits_ = 0;
  unsigned duplicateBits_ = 0;
  unsigned trailingBits_ = 0;
  unsigned bytesPerEntry_ = 0;
};

}  // namespace kestrin::dbf
