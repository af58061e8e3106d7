// The rows of a grid over a level cursor: the record numbers of the cursor's
// visible records in its order, walked in batches as the view needs them
// (fetched-rows bound and at-end flag). Holds record numbers only, never
// record contents; a walk leaves the cursor's current record and its
// observers alone.
#pragma once

#include <vector>

#include "dbf/cursor/table_cursor.h"

namespace kestrin::browse {

struct RowBatch {
  std::vector<int> recNos;
  bool reachedEnd = false;
};

class CursorRows {
 public:
  explicit CursorRows(dbf::TableCursor& cursor) : cursor_(cursor) {}

  // Rows fetched so far.
  int count() const { return static_cast<int>(recNos_.size()); }
  // True once a walk reached the cursor's last visible record, or while the
  // cursor is closed.
  bool atEnd() const { return atEnd_ || !cursor_.active(); }
  int recNo(int row) const { return recNos_[static_cast<std::size_t>(row)]; }

  // The next up to `maxRows` visible records after the fetched ones, without
  // taking them yet (a view announces new rows before they appear). Engine
  // errors propagate.
  RowBatch walk(int maxRows) const;
  void append(RowBatch batch);
  // walk + append; returns how many rows were added.
  int fetch(int maxRows);

  // The fetched row showing record `recNo`, looking near row `hint` first; -1
  // when it is not among the fetched rows.
  int findFetched(int recNo, int hint = 0) const;

  // Forgets every row: the next walk starts from the cursor's first record.
  void reset();

 private:
  dbf::TableCursor& cursor_;
  std::vector<int> recNos_;
  bool atEnd_ = false;
};

}  // namespace kestrin::browse
