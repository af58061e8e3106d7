#include "browse/cursor_rows.h"

#include <algorithm>

namespace kestrin::browse {

namespace {

// Puts the engine back where the cursor's current record is after a walk, so
// that the cursor's own steps go on from there.
class WalkScope {
 public:
  explicit WalkScope(dbf::TableCursor& cursor)
      : table_(cursor.table()), current_(cursor.recNo()), hadReadAhead_(table_.readAhead()) {
    // Reading ahead pays in record order only; a tag jumps about the file.
    table_.setReadAhead(cursor.indexName().empty());
  }
  ~WalkScope() {
    table_.setReadAhead(hadReadAhead_);
    table_.positionOn(current_);
  }
  WalkScope(const WalkScope&) = delete;
  WalkScope& operator=(const WalkScope&) = delete;

 private:
  dbf::DbfHandler& table_;
  int current_;
  bool hadReadAhead_;
};

}  // namespace

RowBatch CursorRows::walk(int maxRows) const {
  RowBatch batch;
  if (atEnd()) {
    batch.reachedEnd = true;
    return batch;
  }
  if (maxRows <= 0) return batch;
  dbf::DbfHandler& table = cursor_.table();
  const WalkScope scope(cursor_);
  bool found;
  if (recNos_.empty()) {
    found = table.fetch(dbf::Step::First);
  } else {
    table.positionOn(recNos_.back());
    found = table.fetch(dbf::Step::Next);
  }
  batch.recNos.reserve(static_cast<std::size_t>(std::min(maxRows, 4096)));
  while (found) {
    batch.recNos.push_back(table.currentRecNo());
    if (static_cast<int>(batch.recNos.size()) == maxRows) return batch;
    found = table.fetch(dbf::Step::Next);
  }
  batch.reachedEnd = true;
  return batch;
}

void CursorRows::append(RowBatch batch) {
  recNos_.insert(recNos_.end(), batch.recNos.begin(), batch.recNos.end());
  if (batch.reachedEnd) atEnd_ = true;
}

int CursorRows::fetch(int maxRows) {
  RowBatch batch = walk(maxRows);
  const int added = static_cast<int>(batch.recNos.size());
  append(std::move(batch));
  return added;
}

int CursorRows::findFetched(int recNo, int hint) const {
  if (recNo <= 0) return -1;
  const int n = count();
  // Moves of the current record are mostly to a neighbour of the last one.
  for (int row = std::max(0, hint - 2); row < std::min(n, hint + 3); ++row) {
    if (recNos_[static_cast<std::size_t>(row)] == recNo) return row;
  }
  const auto it = std::find(recNos_.begin(), recNos_.end(), recNo);
  return it == recNos_.end() ? -1 : static_cast<int>(it - recNos_.begin());
}

void CursorRows::reset() {
  recNos_.clear();
  atEnd_ = false;
}

}  // namespace kestrin::browse
