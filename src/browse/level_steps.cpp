#include "browse/level_steps.h"

#include "dbf/cursor/table_cursor.h"
#include "text/char_classes.h"

namespace kestrin::browse {

void stepWithWrap(dbf::TableCursor& cursor, bool forward) {
  if (!cursor.active() || cursor.isEmpty()) return;
  if (forward) {
    cursor.next();
    if (cursor.eof()) cursor.first();
  } else {
    cursor.prior();
    if (cursor.bof()) cursor.last();
  }
}

}  // namespace kestrin::browse
