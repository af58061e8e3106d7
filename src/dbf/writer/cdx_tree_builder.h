// Builds the B-tree of one CDX tag from its keys in order: compact leaves
// filled left to right, then interior levels up to a single root.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kestrin::dbf {

// One key as stored: exactly keyLength bytes, padded.
struct CdxStoredKey {
  std::string bytes;
  std::uint32_t recNo = 0;
};

// Bit widths of compact leaf entries. The duplicate and trailing counts get
// the bits the key length needs; the record number gets the rest of the
// smallest entry (at least 3 bytes) that holds the highest record number.
struct CdxLeafBits {
  unsigned recNoBits = 0;
  unsigned duplicateBits = 0;
  unsigned trailingBits = 0;
  unsigned bytesPerEntry = 0;

  static CdxLeafBits choose(std::size_t keyLength, std::uint32_t highestRecNo);
};

class CdxTreeBuilder {
 public:
  // `keys` must already be in the tag's order. `pad` is the byte that fills
  // keys on the right (blank for character keys, 0x00 for numbers and dates);
  // leaves cut it off as the trailing count.
  CdxTreeBuilder(std::vector<CdxStoredKey> keys, std::size_t keyLength, unsigned char pad, std::uint32_t highestRecNo);

  std::size_t nodeCount() const;

  // Appends the nodes to `out`, the first at file offset `baseOffset`, leaves
  // first and the root last; returns the root's offset.
  std::uint32_t emit(std::uint32_t baseOffset, std::string& out) const;

 private:
  struct Range {
    std::size_t begin = 0;
    std::size_t end = 0;
  };

  void planLeaves();
  void planInteriorLevels();
  std::size_t duplicateCount(std::size_t i, std::size_t leafBegin) const;
  std::size_t keptLength(std::size_t i) const { return keyLength_ - trailing_[i]; }
  void emitLeaf(std::size_t level0Index, std::uint32_t left, std::uint32_t right, bool root, unsigned char* node) const;

  std::vector<CdxStoredKey> keys_;
  std::vector<std::size_t> trailing_;
  std::size_t keyLength_;
  unsigned char pad_;
  CdxLeafBits bits_;
  // levels_[0] are leaves (ranges of keys); levels_[k] ranges of nodes of level k-1.
  std::vector<std::vector<Range>> levels_;
};

}  // namespace kestrin::dbf
