#include "browse/appended_records.h"

#include "browse/navigation/level_cursors.h"

namespace kestrin::browse {

int recordsOnDisk(dbf::TableCursor& cursor) {
  if (!cursor.active()) return 0;
  cursor.table().refreshRecordCount();
  return cursor.table().recordCount();
}

int takeInAppendedRecords(dbf::TableCursor& cursor, int known) {
  const int now = recordsOnDisk(cursor);
  if (now <= known) return now;
  const dbf::Bookmark current = cursor.getBookmark();
  const ControlsDisabled quiet(cursor);
  // The bits of the last scan end where the table ended then.
  if (cursor.table().expressionActive()) cursor.table().rescanFilter();
  if (current.recNo != 0) cursor.gotoBookmark(current);
  return now;
}

}  // namespace kestrin::browse
