// Up and Down on a level page: the record steps of a level cursor.
#pragma once

namespace kestrin::dbf {
class TableCursor;
}

namespace kestrin::browse {

// The previous (next) record, or the last (first) one when the cursor is
// already at its beginning (end).
void stepWithWrap(dbf::TableCursor& cursor, bool forward);

}  // namespace kestrin::browse
