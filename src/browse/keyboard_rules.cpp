#include "browse/keyboard_rules.h"

#include "dbf/cursor/table_cursor.h"

namespace kestrin::browse {

bool startsTypeToSearch(char cp1251) {
  const auto c = static_cast<unsigned char>(cp1251);
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == 0xA8 ||
         c == 0xB8 || c >= 0xC0;
}

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
