// One tag of a CDX file: its header facts and a position in its key order.
//
// The tree is always stored in ascending key order; a descending tag exchanges
// first/last and next/prior, so its callers see the keys from greatest to
// least. The tag keeps only the path of decoded nodes from the root to the
// current leaf: a step within a leaf reads nothing, a step across leaves reads
// the nodes below the nearest common ancestor, and first, last, current, seek
// and positionOnRecord read afresh from the root so that they see what another
// program may have written since.
//
// Every structural fault met on the way throws ECdxCorrupted ("Index file %s
// is corrupted"); the tag is then unpositioned and may be used again.
//
// Not thread-safe. A tag lives as long as the CdxFile that opened it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "dbf/cdx/cdx_node.h"
#include "dbf/cdx/cdx_tag_header.h"
#include "dbf/cdx/cdx_types.h"

namespace kestrin::dbf {

class ByteSource;

enum class CdxMatch { Exact, Partial };

// Result of positionOnRecord.
struct CdxPosition {
  bool found = false;       // the record's (key, number) entry exists: the record is in view
  std::uint32_t recNo = 0;  // record the tag is on afterwards; 0 when the tag is empty
};

class CdxTag {
 public:
  CdxTag(const ByteSource& source, std::string fileName, std::string name, std::uint32_t headerOffset,
         CdxTagHeader header);

  CdxTag(const CdxTag&) = delete;
  CdxTag& operator=(const CdxTag&) = delete;

  // --- What the header says ----------------------------------------------
  const std::string& name() const { return name_; }  // upper case
  const std::string& fileName() const { return fileName_; }
  std::uint32_t headerOffset() const { return headerOffset_; }
  std::uint16_t keyLength() const { return header_.keyLength; }  // stored bytes
  bool descending() const { return header_.descending; }
  bool unique() const { return header_.unique(); }
  bool hasForCondition() const { return header_.hasForCondition(); }
  const std::string& keyExpression() const { return header_.keyExpression; }
  const std::string& forExpression() const { return header_.forExpression; }
  const std::string& collationName() const { return header_.collationName; }
  CdxCollation collation() const { return format_.collation; }

  // The kind of key, fixed by the type of the key expression's value, which
  // only the expression engine knows: a tag starts as Character and the owner
  // sets the type after evaluating the key expression once. Drops the position.
  CdxKeyType keyType() const { return format_.keyType; }
  void setKeyType(CdxKeyType type);

  // --- Search keys -----------------------------------------------------------
  // The key bytes to pass to seek and positionOnRecord. `trim` removes trailing
  // blanks of text (positioning and seeking always use trimmed keys).
  // Character tags: the text (GENERAL: its weights). Numeric and date tags
  // refuse text with "Variant types mismatch for compare".
  std::string keyFromText(std::string_view text, bool trim = true) const;
  // Numeric and date tags: the transformed double. Character tags: the
  // number's shortest decimal text with `decimalSeparator`.
  std::string keyFromNumber(double value, char decimalSeparator = ',') const;
  // Date tags and numeric tags: the Julian day number as a number key.
  // Character tags: the date as dd.MM.yyyy.
  std::string keyFromDate(std::int32_t julianDay) const;
  // Character tags only: "T" or "F".
  std::string keyFromLogical(bool value) const;

  // --- Stepping in tag order -------------------------------------------------
  // Each returns the record number of the entry reached, or 0 with eof() or
  // bof() set when the movement leaves the tag. First on an empty tag gives
  // BOF, last gives EOF. Next after EOF stays at EOF; prior after EOF goes to
  // the last entry (and the mirror image for BOF). Current re-reads the path
  // from the root and gives 0 with both flags set when the position no longer
  // exists in the file.
  std::uint32_t first();
  std::uint32_t last();
  std::uint32_t next();
  std::uint32_t prior();
  std::uint32_t current();

  bool eof() const;
  bool bof() const;

  // Record number of the current entry; 0 when the tag is not on an entry.
  std::uint32_t recNo() const;
  // Key of the current entry in its compared form; empty when not on an entry.
  // The view stays valid until the next call that moves or re-reads the tag.
  std::string_view currentKey() const;

  // Puts the tag on record `recNo` whose key (trimmed search key) is `key`.
  // When the tag is already on that record nothing is read. When the record
  // has no entry (its key changed since the index was built, or a FOR
  // condition left it out) the tag moves to its first entry in tag order.
  CdxPosition positionOnRecord(std::string_view key, std::uint32_t recNo);

  // Puts the tag on the first entry, in ascending key order, whose key is not
  // less than `key`, and returns its record number when that entry's key equals
  // `key` (with Partial, for character tags: begins with `key`), otherwise 0.
  // When every key is less, the tag is past the end of the ascending order.
  std::uint32_t seek(std::string_view key, CdxMatch match);

  // Compares two keys of this tag as seek does (negative: a < b).
  int compareKeys(std::string_view a, std::string_view b, bool partial) const;

  // Drops the path (the tag is deselected).
  void release();

  // A tag over the same file and header, with the same key type and a
  // position of its own: walking it leaves this tag where it is.
  std::unique_ptr<CdxTag> detachedCopy() const;

 private:
  enum class Where { Nowhere, OnEntry, AfterEnd, BeforeStart };
  struct Frame {
    IndexNode node;
    int index = 0;
  };

  // Tree-order movements (ascending); true when on an entry afterwards.
  bool treeEdge(bool toFirst);
  bool treeStep(bool forward);
  bool stepFromPath(bool forward);
  bool descendToEdge(bool toFirst, bool walking);
  bool search(std::string_view key, const std::uint32_t* recNo, bool partial);
  bool reloadPath();

  void pushNode(std::uint32_t offset);
  void checkNodeKind(const IndexNode& node);
  void resetWalk(bool forward);
  std::uint32_t answer(bool onEntry);
  [[noreturn]] void fail(const std::string& detail);

  const ByteSource& source_;
  std::string fileName_;
  std::string name_;
  std::uint32_t headerOffset_;
  CdxTagHeader header_;
  CdxKeyFormat format_;

  std::vector<Frame> path_;  // root first; frames beyond pathSize_ are spare buffers
  std::size_t pathSize_ = 0;
  Where where_ = Where::Nowhere;
  bool lostPosition_ = false;  // current() found the path gone: both EOF and BOF
  std::size_t leafDepth_ = 0;  // levels down to the leaves, once a descent from the root met one

  // Bottom nodes entered while walking in one direction: meeting one again
  // means the tree shares or loops its nodes, which would never end.
  std::unordered_set<std::uint32_t> walked_;
  bool walkForward_ = true;
  std::vector<unsigned char> block_;
};

}  // namespace kestrin::dbf
