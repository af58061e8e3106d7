// The record numbers of a tag in its order, read in one pass over its leaves:
// a grid in tag order finds the record of any row in this array.
#pragma once

#include <vector>

#include "dbf/cursor/table_cursor.h"

namespace kestrin::browse {

// Every entry of the cursor's current tag, first to last (a descending tag
// from its greatest key), numbers outside the table left out. The engine is
// put back on the cursor's current record afterwards, however the pass ends.
// Requires an open cursor with a tag selected; throws the index's errors.
std::vector<int> readTagRecords(dbf::TableCursor& cursor);

}  // namespace kestrin::browse
