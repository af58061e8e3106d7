// One node of a tag's B-tree held in memory, decoded: its entries in order
// with their keys in the form the tag compares (see CdxKeyFormat).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dbf/cdx/cdx_types.h"

namespace kestrin::dbf {

// How keys of one tag are stored and how they are turned into the compared form.
struct CdxKeyFormat {
  std::uint16_t keyLength = 0;  // stored length in bytes
  CdxKeyType keyType = CdxKeyType::Character;
  CdxCollation collation = CdxCollation::Machine;
};

// One decoded entry. Its key lives in the owning node's key buffer.
struct IndexEntry {
  std::uint32_t keyOffset = 0;
  std::uint16_t keyLength = 0;
  std::uint32_t recNo = 0;
  std::uint32_t child = 0;  // interior entries only: offset of the child node
};

class IndexNode {
 public:
  std::uint32_t offset() const { return offset_; }
  bool isLeaf() const { return leaf_; }
  // 0 interior, 1 root interior, 2 leaf, 3 root leaf; anything else is no node.
  std::uint16_t attributes() const { return attributes_; }
  bool isRoot() const { return (attributes_ & 1) != 0; }
  int count() const { return static_cast<int>(entries_.size()); }
  const IndexEntry& entry(int i) const { return entries_[static_cast<std::size_t>(i)]; }
  std::string_view key(int i) const {
    const IndexEntry& e = entry(i);
    return std::string_view(keys_).substr(e.keyOffset, e.keyLength);
  }

  // Decodes the 512-byte node in [p, limit) found at file offset `offset`.
  // Reuses this object's buffers. Faults throw ECdxCorrupted naming `fileName`.
  void decode(const unsigned char* p, const unsigned char* limit, std::uint32_t offset, const CdxKeyFormat& format,
              std::string_view fileName);

 private:
  void decodeInterior(const unsigned char* p, int count, const CdxKeyFormat& format, std::string_view fileName);
  void decodeLeaf(const unsigned char* p, int count, const CdxKeyFormat& format, std::string_view fileName);
  void appendKey(std::string_view stored, bool interior, const CdxKeyFormat& format, IndexEntry& entry);

  std::uint32_t offset_ = 0;
  std::uint16_t attributes_ = 0;
  bool leaf_ = true;
  std::vector<IndexEntry> entries_;
  std::string keys_;
};

}  // namespace kestrin::dbf
