// The rows of a grid over a level cursor, known without walking the view: how
// many visible records it holds and which record shows in any row, in the
// cursor's order. Built from what the engine keeps anyway — the deletion
// marks (one block scan per open of the table), the filter bits (counted a
// word at a time), the entries of the selected tag (one pass over its leaves
// per open order) — so a scroll bar can stand for the whole list and the last
// row is found at once.
//
// A view narrowed by a record filter callback can only be known by calling it
// for every record: such a view is not mapped and the grid walks it instead.
//
// The map is a snapshot, as the filter bits are: a record another program
// deletes, appends or re-keys afterwards shows as it was until the next map().
// A map() after the table grew reads the tag's entries again.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "browse/deleted_records.h"
#include "dbf/cursor/bit_rank.h"
#include "dbf/cursor/table_cursor.h"

namespace kestrin::browse {

class CursorRowMap {
 public:
  explicit CursorRowMap(dbf::TableCursor& cursor) : cursor_(cursor) {}

  // True when the cursor's view can be mapped: open, and no record filter
  // callback narrowing it.
  static bool mappable(const dbf::TableCursor& cursor);

  // Maps the view as the cursor has it now. False, with no rows, when it is
  // not mappable. Engine errors propagate and leave the map empty.
  bool map();
  // Forgets the rows (the cursor closed, or its view is about to change).
  void clear();
  bool mapped() const { return kind_ != Kind::none; }

  // Visible records in the view.
  int count() const { return count_; }
  // The record of `row`; requires 0 <= row < count().
  int recNo(int row) const;
  // The row of record `recNo`; -1 when the view does not hold it.
  int rowOf(int recNo) const;

 private:
  enum class Kind { none, records, bits, list };

  void mapRecordOrder(dbf::DbfHandler& table);
  void mapTagOrder(dbf::DbfHandler& table);
  // The deleted records of this open of the table, scanned once and again
  // when the table has grown.
  const DeletedRecords& deletedRecords(dbf::DbfHandler& table);
  const std::vector<int>& tagRecords();

  dbf::TableCursor& cursor_;
  Kind kind_ = Kind::none;
  int count_ = 0;

  // Record order: records 1..physical_ less the deleted ones (none when the
  // view shows deleted records).
  int physical_ = 0;
  const std::vector<int>* deleted_ = nullptr;
  // Filter bits in record order.
  const dbf::HugeBitSet* bits_ = nullptr;
  dbf::BitRank rank_;
  // Tag order: the visible records in row order, and their rows by number
  // (made on the first look-up).
  std::vector<int> list_;
  mutable std::vector<int> rowByRecNo_;

  // What stays valid while the table stays open.
  std::uint64_t deletedGeneration_ = 0;
  DeletedRecords deletedCache_;
  struct TagKey {
    std::uint64_t generation = 0;
    int recordCount = 0;
    std::vector<std::string> indexFiles;
    std::string indexName;
    const void* tag = nullptr;
    bool operator==(const TagKey&) const = default;
  };
  TagKey tagKey_;
  std::vector<int> tagCache_;
};

}  // namespace kestrin::browse
