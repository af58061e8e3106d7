#include "dbf/cdx/cdx_node.h"

#include <algorithm>
#include <cstring>

#include "dbf/base/coding.h"
#include "dbf/cdx/cdx_corrupted.h"
#include "dbf/cdx/cdx_general_collation.h"
#include "dbf/cdx/cdx_node_layout.h"

namespace kestrin::dbf {

namespace {

std::size_t stripTrailing(const unsigned char* key, std::size_t length, unsigned char pad) {
  while (length > 0 && key[length - 1] == pad) --length;
  return length;
}

// Turns the stored bytes of a key, already copied to `key`, into the compared
// form and returns its length. Character keys lose their trailing blanks and
// everything from the first NUL; GENERAL keys get their secondary weights
// back first (in interior nodes, whose keys are blank-padded, after the
// blanks are gone). Numeric and date keys lose their trailing 0x00 bytes, so
// that keys stored with any trailing count compare alike.
std::size_t comparedLength(unsigned char* key, std::size_t length, bool interior, const CdxKeyFormat& format) {
  if (format.keyType != CdxKeyType::Character) return stripTrailing(key, length, 0x00);
  if (format.collation == CdxCollation::General) {
    if (interior) length = stripTrailing(key, length, ' ');
    restoreGeneralSecondaries(key, length);
  }
  const unsigned char* nul = std::find(key, key + length, 0);
  length = static_cast<std::size_t>(nul - key);
  return stripTrailing(key, length, ' ');
}

}  // namespace

void IndexNode::appendKey(std::string_view stored, bool interior, const CdxKeyFormat& format, IndexEntry& entry) {
  const std::size_t at = keys_.size();
  keys_.append(stored);
  auto* key = reinterpret_cast<unsigned char*>(keys_.data() + at);
  const std::size_t length = comparedLength(key, stored.size(), interior, format);
  keys_.resize(at + length);
  entry.keyOffset = static_cast<std::uint32_t>(at);
  entry.keyLength = static_cast<std::uint16_t>(length);
}

void IndexNode::decode(const unsigned char* p, const unsigned char* limit, std::uint32_t offset,
                       const CdxKeyFormat& format, std::string_view fileName) {
  const CdxNodeHeader header = CdxNodeHeader::decode(p, limit, fileName);
  offset_ = offset;
  attributes_ = header.attributes;
  leaf_ = header.isLeaf();
  entries_.clear();
  keys_.clear();
  if (leaf_) {
    decodeLeaf(p, header.count, format, fileName);
  } else {
    decodeInterior(p, header.count, format, fileName);
  }
}

void IndexNode::decodeInterior(const unsigned char* p, int count, const CdxKeyFormat& format,
                               std::string_view fileName) {
  const std::size_t entrySize = std::size_t{format.keyLength} + 8;
  if (kCdxNodeHeaderSize + static_cast<std::size_t>(count) * entrySize > kCdxBlockSize) {
    throwCdxCorrupted(fileName, "interior node at " + std::to_string(offset_) + " claims " + std::to_string(count) +
                                    " keys, more than fit");
  }
  entries_.resize(static_cast<std::size_t>(count));
  keys_.reserve(static_cast<std::size_t>(count) * format.keyLength);
  const unsigned char* e = p + kCdxNodeHeaderSize;
  for (IndexEntry& entry : entries_) {
    const std::string_view stored(reinterpret_cast<const char*>(e), format.keyLength);
    appendKey(stored, true, format, entry);
    entry.recNo = decodeBE32(e + format.keyLength);
    entry.child = decodeBE32(e + format.keyLength + 4);
    e += entrySize;
  }
}

void IndexNode::decodeLeaf(const unsigned char* p, int count, const CdxKeyFormat& format, std::string_view fileName) {
  const CdxLeafLayout layout = CdxLeafLayout::decode(p, p + kCdxBlockSize, count, fileName);
  const std::size_t keyLength = format.keyLength;
  const unsigned char* entriesEnd = p + kCdxLeafHeaderSize + static_cast<std::size_t>(count) * layout.bytesPerEntry();
  const unsigned char* keyEnd = p + kCdxBlockSize;  // key bytes are packed downward from here

  unsigned char buffer[kCdxMaxKeyLength];
  std::memset(buffer, ' ', sizeof buffer);
  entries_.resize(static_cast<std::size_t>(count));
  keys_.reserve(static_cast<std::size_t>(count) * keyLength);
  const unsigned char* e = p + kCdxLeafHeaderSize;
  for (IndexEntry& entry : entries_) {
    const CdxLeafEntryBits bits = layout.decodeEntry(e);
    e += layout.bytesPerEntry();
    if (bits.duplicates + bits.trailing > keyLength) {
      throwCdxCorrupted(fileName, "leaf at " + std::to_string(offset_) + ": duplicate count " +
                                      std::to_string(bits.duplicates) + " and trailing count " +
                                      std::to_string(bits.trailing) + " exceed the key length");
    }
    const std::size_t fresh = keyLength - bits.duplicates - bits.trailing;
    if (static_cast<std::size_t>(keyEnd - entriesEnd) < fresh) {
      throwCdxCorrupted(fileName, "leaf at " + std::to_string(offset_) + ": key bytes run into the entries");
    }
    keyEnd -= fresh;
    std::memcpy(buffer + bits.duplicates, keyEnd, fresh);
    const std::string_view stored(reinterpret_cast<const char*>(buffer), keyLength - bits.trailing);
    appendKey(stored, false, format, entry);
    if (bits.recNo == 0) {
      throwCdxCorrupted(fileName, "leaf at " + std::to_string(offset_) + " holds record number 0");
    }
    entry.recNo = bits.recNo;
    entry.child = 0;
  }
}

}  // namespace kestrin::dbf
