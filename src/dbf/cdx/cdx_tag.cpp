#include "dbf/cdx/cdx_tag.h"

#include <utility>

#include "dbf/base/byte_source.h"
#include "dbf/base/errors.h"
#include "dbf/cdx/cdx_corrupted.h"
#include "dbf/cdx/cdx_keys.h"

namespace kestrin::dbf {

namespace {

// A 512-byte interior node holds at least two 240-byte keys, so 64 levels
// would index more records than a table can have.
constexpr std::size_t kMaxDepth = 64;

}  // namespace

CdxTag::CdxTag(const ByteSource& source, std::string fileName, std::string name, std::uint32_t headerOffset,
               CdxTagHeader header)
    : source_(source),
      fileName_(std::move(fileName)),
      name_(std::move(name)),
      headerOffset_(headerOffset),
      header_(std::move(header)),
      block_(kCdxBlockSize) {
  format_.keyLength = header_.keyLength;
  format_.keyType = CdxKeyType::Character;
  // The directory's keys are tag names, compared byte by byte whatever it says.
  format_.collation = header_.isDirectory() ? CdxCollation::Machine : header_.collation();
}

void CdxTag::setKeyType(CdxKeyType type) {
  format_.keyType = type;
  release();
}

void CdxTag::release() {
  pathSize_ = 0;
  where_ = Where::Nowhere;
  lostPosition_ = false;
  resetWalk(true);
}

std::unique_ptr<CdxTag> CdxTag::detachedCopy() const {
  auto copy = std::make_unique<CdxTag>(source_, fileName_, name_, headerOffset_, header_);
  copy->format_ = format_;
  return copy;
}

// --- Search keys --------------------------------------------------------------

std::string CdxTag::keyFromText(std::string_view text, bool trim) const {
  if (format_.keyType != CdxKeyType::Character) throw EDbfError("Variant types mismatch for compare");
  return cdxTextSearchKey(text, trim, format_.collation);
}

std::string CdxTag::keyFromNumber(double value, char decimalSeparator) const {
  if (format_.keyType == CdxKeyType::Character) {
    return cdxTextSearchKey(cdxNumberText(value, decimalSeparator), true, format_.collation);
  }
  return cdxNumberSearchKey(value);
}

std::string CdxTag::keyFromDate(std::int32_t julianDay) const {
  if (format_.keyType == CdxKeyType::Character) {
    return cdxTextSearchKey(cdxDateText(julianDay), true, format_.collation);
  }
  return cdxNumberSearchKey(julianDay);
}

std::string CdxTag::keyFromLogical(bool value) const { return keyFromText(value ? "T" : "F"); }

int CdxTag::compareKeys(std::string_view a, std::string_view b, bool partial) const {
  return compareCdxKeys(a, b, partial && format_.keyType == CdxKeyType::Character);
}

// --- Public movements -----------------------------------------------------------

bool CdxTag::eof() const {
  if (lostPosition_) return true;
  return where_ == (header_.descending ? Where::BeforeStart : Where::AfterEnd);
}

bool CdxTag::bof() const {
  if (lostPosition_) return true;
  return where_ == (header_.descending ? Where::AfterEnd : Where::BeforeStart);
}

std::uint32_t CdxTag::recNo() const {
  if (where_ != Where::OnEntry) return 0;
  const Frame& leaf = path_[pathSize_ - 1];
  return leaf.node.entry(leaf.index).recNo;
}

std::string_view CdxTag::currentKey() const {
  if (where_ != Where::OnEntry) return {};
  const Frame& leaf = path_[pathSize_ - 1];
  return leaf.node.key(leaf.index);
}

std::uint32_t CdxTag::answer(bool onEntry) { return onEntry ? recNo() : 0; }

std::uint32_t CdxTag::first() { return answer(treeEdge(!header_.descending)); }
std::uint32_t CdxTag::last() { return answer(treeEdge(header_.descending)); }
std::uint32_t CdxTag::next() { return answer(treeStep(!header_.descending)); }
std::uint32_t CdxTag::prior() { return answer(treeStep(header_.descending)); }

std::uint32_t CdxTag::current() {
  if (where_ != Where::OnEntry) {
    if (where_ == Where::Nowhere) lostPosition_ = true;
    return 0;
  }
  if (reloadPath()) return recNo();
  release();
  lostPosition_ = true;
  return 0;
}

CdxPosition CdxTag::positionOnRecord(std::string_view key, std::uint32_t recNo) {
  if (where_ == Where::OnEntry && this->recNo() == recNo) return {true, recNo};
  if (search(key, &recNo, false)) return {true, recNo};
  return {false, first()};
}

std::uint32_t CdxTag::seek(std::string_view key, CdxMatch match) {
  const bool partial = match == CdxMatch::Partial && format_.keyType == CdxKeyType::Character;
  return search(key, nullptr, partial) ? recNo() : 0;
}

// --- Tree-order movements -------------------------------------------------------

bool CdxTag::treeEdge(bool toFirst) {
  lostPosition_ = false;
  try {
    pathSize_ = 0;
    resetWalk(toFirst);
    pushNode(header_.rootOffset);
    Frame& root = path_[0];
    root.index = toFirst ? 0 : root.node.count() - 1;
    if (descendToEdge(toFirst, true) || stepFromPath(toFirst)) {
      where_ = Where::OnEntry;
      return true;
    }
    where_ = toFirst ? Where::BeforeStart : Where::AfterEnd;
    return false;
  } catch (...) {
    release();
    throw;
  }
}

bool CdxTag::treeStep(bool forward) {
  lostPosition_ = false;
  switch (where_) {
    case Where::Nowhere:
      return treeEdge(forward);
    case Where::BeforeStart:
      return forward ? treeEdge(true) : false;
    case Where::AfterEnd:
      return forward ? false : treeEdge(false);
    case Where::OnEntry:
      break;
  }
  try {
    if (stepFromPath(forward)) return true;
    where_ = forward ? Where::AfterEnd : Where::BeforeStart;
    return false;
  } catch (...) {
    release();
    throw;
  }
}

// Moves one entry from the current path: within the leaf when it can,
// otherwise up to the nearest ancestor with a further entry and down along
// the edge of its next subtree. Empty nodes met on the way are passed over.
bool CdxTag::stepFromPath(bool forward) {
  if (forward != walkForward_ && pathSize_ > 0) {
    resetWalk(forward);
    walked_.insert(path_[pathSize_ - 1].node.offset());
  }
  for (;;) {
    while (pathSize_ > 0) {
      Frame& f = path_[pathSize_ - 1];
      const int nextIndex = forward ? f.index + 1 : f.index - 1;
      if (nextIndex >= 0 && nextIndex < f.node.count()) {
        f.index = nextIndex;
        break;
      }
      --pathSize_;
    }
    if (pathSize_ == 0) return false;
    if (path_[pathSize_ - 1].node.isLeaf()) return true;
    if (descendToEdge(forward, true)) return true;
  }
}

// Follows the current entry of the top node down to a leaf, taking the first
// (or last) entry of every node below. False when it ends on an empty node.
bool CdxTag::descendToEdge(bool toFirst, bool walking) {
  for (;;) {
    Frame& top = path_[pathSize_ - 1];
    if (top.node.isLeaf() || top.node.count() == 0) {
      if (walking && !walked_.insert(top.node.offset()).second) {
        fail("node at " + std::to_string(top.node.offset()) + " is reached twice in one walk");
      }
      return top.node.isLeaf() && top.node.count() > 0;
    }
    pushNode(top.node.entry(top.index).child);
    Frame& child = path_[pathSize_ - 1];
    child.index = toFirst ? 0 : child.node.count() - 1;
  }
}

bool CdxTag::search(std::string_view key, const std::uint32_t* recNo, bool partial) {
  lostPosition_ = false;
  if (format_.keyType != CdxKeyType::Character) {
    // Number keys compare without their trailing zero bytes, trimmed or not.
    while (!key.empty() && key.back() == '\0') key.remove_suffix(1);
  }
  try {
    pathSize_ = 0;
    resetWalk(true);
    pushNode(header_.rootOffset);
    for (;;) {
      Frame& f = path_[pathSize_ - 1];
      const int count = f.node.count();
      int i = 0;
      for (; i < count; ++i) {
        const int c = compareCdxKeys(key, f.node.key(i), partial);
        const bool entryLess = c > 0 || (c == 0 && recNo != nullptr && f.node.entry(i).recNo < *recNo);
        if (!entryLess) break;
      }
      const bool past = i == count;
      f.index = past ? count - 1 : i;
      if (count > 0 && !f.node.isLeaf()) {
        pushNode(f.node.entry(f.index).child);
        continue;
      }
      walked_.insert(f.node.offset());
      // In a leaf: when every key here is less (or the node is empty), the
      // first greater entry is the next one in the tree.
      if (past && !stepFromPath(true)) {
        where_ = Where::AfterEnd;
        return false;
      }
      where_ = Where::OnEntry;
      const Frame& leaf = path_[pathSize_ - 1];
      return compareCdxKeys(key, leaf.node.key(leaf.index), partial) == 0 &&
             (recNo == nullptr || leaf.node.entry(leaf.index).recNo == *recNo);
    }
  } catch (...) {
    release();
    throw;
  }
}

// Reads the nodes of the current path again from the root, keeping the entry
// index of every level. False when the file no longer has that position.
bool CdxTag::reloadPath() {
  std::vector<int> indexes;
  indexes.reserve(pathSize_);
  for (std::size_t level = 0; level < pathSize_; ++level) indexes.push_back(path_[level].index);
  try {
    pathSize_ = 0;
    resetWalk(true);
    pushNode(header_.rootOffset);
    for (std::size_t level = 0;; ++level) {
      Frame& f = path_[pathSize_ - 1];
      if (indexes[level] >= f.node.count()) return false;
      f.index = indexes[level];
      const bool lastLevel = level + 1 == indexes.size();
      if (f.node.isLeaf() || lastLevel) return f.node.isLeaf() && lastLevel;
      pushNode(f.node.entry(f.index).child);
    }
  } catch (...) {
    release();
    throw;
  }
}

// --- Nodes ----------------------------------------------------------------------

void CdxTag::pushNode(std::uint32_t offset) {
  if (pathSize_ >= kMaxDepth) fail("tree is deeper than " + std::to_string(kMaxDepth) + " levels");
  if (offset == 0 || offset % kCdxBlockSize != 0) {
    fail("node offset " + std::to_string(offset) + " is not a block boundary");
  }
  for (std::size_t level = 0; level < pathSize_; ++level) {
    if (path_[level].node.offset() == offset) {
      fail("node at " + std::to_string(offset) + " refers back to its own ancestor");
    }
  }
  if (source_.read(offset, block_.data(), kCdxBlockSize) != kCdxBlockSize) {
    fail("node offset " + std::to_string(offset) + " lies beyond the end of the file");
  }
  if (pathSize_ == path_.size()) path_.emplace_back();
  Frame& frame = path_[pathSize_];
  frame.node.decode(block_.data(), block_.data() + block_.size(), offset, format_, fileName_);
  frame.index = 0;
  ++pathSize_;
  checkNodeKind(frame.node);
}

// A root pointer aimed at another node (or at a tag header), or a child
// pointer aimed at the root or across levels, still decodes as some node; its
// kind is what gives it away.
void CdxTag::checkNodeKind(const IndexNode& node) {
  const std::string where = "node at " + std::to_string(node.offset());
  if (node.attributes() > 3) fail(where + " has attributes " + std::to_string(node.attributes()) + ", no node kind");
  const bool atRoot = pathSize_ == 1;
  if (atRoot && !node.isRoot()) fail(where + " is the root but not marked as one");
  if (!atRoot && node.isRoot()) fail(where + " lies below the root but is marked as a root");
  if (!node.isLeaf() && node.count() == 0) fail("interior " + where + " holds no keys");
  if (atRoot) leafDepth_ = 0;
  if (!node.isLeaf()) return;
  if (leafDepth_ == 0) {
    leafDepth_ = pathSize_;
  } else if (leafDepth_ != pathSize_) {
    fail("leaf at " + std::to_string(node.offset()) + " lies " + std::to_string(pathSize_) + " levels down, others " +
         std::to_string(leafDepth_));
  }
}

void CdxTag::resetWalk(bool forward) {
  // clear() costs as much as the table of a long walk; seeks after a full
  // traversal should not pay it every time.
  if (walked_.bucket_count() > 64) {
    walked_ = {};
  } else {
    walked_.clear();
  }
  walkForward_ = forward;
}

void CdxTag::fail(const std::string& detail) { throwCdxCorrupted(fileName_, "tag " + name_ + ": " + detail); }

}  // namespace kestrin::dbf
