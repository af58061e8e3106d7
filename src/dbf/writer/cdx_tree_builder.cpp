#include "dbf/writer/cdx_tree_builder.h"

#include <bit>
#include <cstring>
#include <stdexcept>

#include "dbf/base/coding.h"
#include "dbf/cdx/cdx_types.h"

namespace kestrin::dbf {

namespace {

constexpr std::uint32_t kNoSibling = 0xFFFFFFFF;
constexpr std::size_t kLeafSpace = kCdxBlockSize - kCdxLeafHeaderSize;
constexpr std::size_t kInteriorSpace = kCdxBlockSize - kCdxNodeHeaderSize;

std::uint32_t lowMask(unsigned bits) { return bits >= 32 ? 0xFFFFFFFFu : (std::uint32_t{1} << bits) - 1; }

}  // namespace

CdxLeafBits CdxLeafBits::choose(std::size_t keyLength, std::uint32_t highestRecNo) {
  CdxLeafBits b;
  const unsigned countBits = static_cast<unsigned>(std::bit_width(keyLength));
  const unsigned recNoNeeded = static_cast<unsigned>(std::bit_width(highestRecNo));
  b.bytesPerEntry = 3;
  while (8 * b.bytesPerEntry - 2 * countBits < recNoNeeded) ++b.bytesPerEntry;
  b.duplicateBits = b.trailingBits = countBits;
  b.recNoBits = 8 * b.bytesPerEntry - 2 * countBits;
  if (b.recNoBits > 32) {
    // Record numbers are 32 bits: the counts take what is left over.
    const unsigned spare = b.recNoBits - 32;
    b.recNoBits = 32;
    b.duplicateBits += spare / 2;
    b.trailingBits += spare / 2;
  }
  return b;
}

CdxTreeBuilder::CdxTreeBuilder(std::vector<CdxStoredKey> keys, std::size_t keyLength, unsigned char pad,
                               std::uint32_t highestRecNo)
    : keys_(std::move(keys)), keyLength_(keyLength), pad_(pad), bits_(CdxLeafBits::choose(keyLength, highestRecNo)) {
  if (keyLength_ == 0 || keyLength_ > kCdxMaxKeyLength) {
    throw std::invalid_argument("CDX key length must be 1..240");
  }
  trailing_.reserve(keys_.size());
  for (const CdxStoredKey& key : keys_) {
    if (key.bytes.size() != keyLength_) throw std::invalid_argument("CDX stored key of wrong length");
    std::size_t t = 0;
    while (t < keyLength_ && static_cast<unsigned char>(key.bytes[keyLength_ - 1 - t]) == pad_) ++t;
    trailing_.push_back(t);
  }
  planLeaves();
  planInteriorLevels();
}

// Bytes key i shares with the key before it in the same leaf, counted over
// the kept (untrailed) parts so that readers which fill cut tails with any
// byte rebuild the same key.
std::size_t CdxTreeBuilder::duplicateCount(std::size_t i, std::size_t leafBegin) const {
  if (i == leafBegin) return 0;
  const std::size_t limit = std::min(keptLength(i), keptLength(i - 1));
  std::size_t d = 0;
  while (d < limit && keys_[i].bytes[d] == keys_[i - 1].bytes[d]) ++d;
  return d;
}

void CdxTreeBuilder::planLeaves() {
  std::vector<Range>& leaves = levels_.emplace_back();
  std::size_t i = 0;
  do {
    Range leaf{i, i};
    std::size_t space = kLeafSpace;
    while (i < keys_.size()) {
      const std::size_t cost = bits_.bytesPerEntry + keptLength(i) - duplicateCount(i, leaf.begin);
      if (cost > space) break;
      space -= cost;
      ++i;
    }
    leaf.end = i;
    leaves.push_back(leaf);
  } while (i < keys_.size());
}

void CdxTreeBuilder::planInteriorLevels() {
  const std::size_t perNode = kInteriorSpace / (keyLength_ + 8);
  while (levels_.back().size() > 1) {
    const std::size_t below = levels_.back().size();
    std::vector<Range> level;
    for (std::size_t b = 0; b < below; b += perNode) level.push_back({b, std::min(below, b + perNode)});
    levels_.push_back(std::move(level));
  }
}

std::size_t CdxTreeBuilder::nodeCount() const {
  std::size_t n = 0;
  for (const auto& level : levels_) n += level.size();
  return n;
}

void CdxTreeBuilder::emitLeaf(std::size_t leafIndex, std::uint32_t left, std::uint32_t right, bool root,
                              unsigned char* node) const {
  const Range r = levels_[0][leafIndex];
  encodeLE16(node, root ? 3 : 2);
  encodeLE16(node + 2, static_cast<std::uint16_t>(r.end - r.begin));
  encodeLE32(node + 4, left);
  encodeLE32(node + 8, right);
  encodeLE32(node + 14, lowMask(bits_.recNoBits));
  node[18] = static_cast<unsigned char>(lowMask(bits_.duplicateBits));
  node[19] = static_cast<unsigned char>(lowMask(bits_.trailingBits));
  node[20] = static_cast<unsigned char>(bits_.recNoBits);
  node[21] = static_cast<unsigned char>(bits_.duplicateBits);
  node[22] = static_cast<unsigned char>(bits_.trailingBits);
  node[23] = static_cast<unsigned char>(bits_.bytesPerEntry);

  unsigned char* entry = node + kCdxLeafHeaderSize;
  std::size_t keyEnd = kCdxBlockSize;
  for (std::size_t i = r.begin; i < r.end; ++i) {
    const std::size_t d = duplicateCount(i, r.begin);
    const std::size_t t = trailing_[i];
    const std::uint64_t packed = std::uint64_t{keys_[i].recNo} | (std::uint64_t{d} << bits_.recNoBits) |
                                 (std::uint64_t{t} << (bits_.recNoBits + bits_.duplicateBits));
    for (unsigned b = 0; b < bits_.bytesPerEntry; ++b) entry[b] = static_cast<unsigned char>(packed >> (8 * b));
    entry += bits_.bytesPerEntry;
    const std::size_t fresh = keyLength_ - d - t;
    keyEnd -= fresh;
    std::memcpy(node + keyEnd, keys_[i].bytes.data() + d, fresh);
  }
  encodeLE16(node + 12, static_cast<std::uint16_t>(keyEnd - static_cast<std::size_t>(entry - node)));
}

std::uint32_t CdxTreeBuilder::emit(std::uint32_t baseOffset, std::string& out) const {
  const std::size_t start = out.size();
  out.resize(start + nodeCount() * kCdxBlockSize, '\0');
  auto* nodes = reinterpret_cast<unsigned char*>(out.data() + start);

  // Offsets of the first node of each level and the last key under each node.
  std::vector<std::uint32_t> levelBase;
  std::vector<std::size_t> lastKey;  // of the level below the one being written
  std::uint32_t next = baseOffset;
  for (const auto& level : levels_) {
    levelBase.push_back(next);
    next += static_cast<std::uint32_t>(level.size() * kCdxBlockSize);
  }
  const bool singleNode = nodeCount() == 1;
  std::size_t nodeIndex = 0;
  for (std::size_t l = 0; l < levels_.size(); ++l) {
    const auto& level = levels_[l];
    const bool rootLevel = l + 1 == levels_.size();
    std::vector<std::size_t> levelLastKey;
    for (std::size_t n = 0; n < level.size(); ++n, ++nodeIndex) {
      unsigned char* node = nodes + nodeIndex * kCdxBlockSize;
      const std::uint32_t self = levelBase[l] + static_cast<std::uint32_t>(n * kCdxBlockSize);
      const std::uint32_t left = n == 0 ? kNoSibling : self - kCdxBlockSize;
      const std::uint32_t right = n + 1 == level.size() ? kNoSibling : self + kCdxBlockSize;
      const Range r = level[n];
      if (l == 0) {
        emitLeaf(n, left, right, singleNode, node);
        levelLastKey.push_back(r.end == r.begin ? 0 : r.end - 1);
        continue;
      }
      encodeLE16(node, rootLevel ? 1 : 0);
      encodeLE16(node + 2, static_cast<std::uint16_t>(r.end - r.begin));
      encodeLE32(node + 4, left);
      encodeLE32(node + 8, right);
      unsigned char* e = node + kCdxNodeHeaderSize;
      for (std::size_t c = r.begin; c < r.end; ++c) {
        const CdxStoredKey& key = keys_[lastKey[c]];
        std::memcpy(e, key.bytes.data(), keyLength_);
        encodeBE32(e + keyLength_, key.recNo);
        encodeBE32(e + keyLength_ + 4, levelBase[l - 1] + static_cast<std::uint32_t>(c * kCdxBlockSize));
        e += keyLength_ + 8;
      }
      levelLastKey.push_back(lastKey[r.end - 1]);
    }
    lastKey = std::move(levelLastKey);
  }
  return levelBase.back();
}

}  // namespace kestrin::dbf
