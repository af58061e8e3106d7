// Records another program appends to a table while a list shows it. The
// filter bits and a grid's row map are snapshots of the table as it was when
// they were made; a list takes the new records in when it is shown again.
#pragma once

#include "dbf/cursor/table_cursor.h"

namespace kestrin::browse {

// The records the table file of `cursor` holds now, its size taken again; 0
// while the cursor is closed. Engine errors propagate.
int recordsOnDisk(dbf::TableCursor& cursor);

// When the table holds more records than `known`, scans the cursor's filter
// expression again so that the new records are tested too, and tells the
// cursor's observers that the view changed (as enableControls does). The
// current record stays. Returns the records the table holds now; nothing is
// done when that is `known` or fewer. Engine errors propagate.
int takeInAppendedRecords(dbf::TableCursor& cursor, int known);

}  // namespace kestrin::browse
