// Small keyboard rules of the level pages.
#pragma once

namespace kestrin::dbf {
class TableCursor;
}

namespace kestrin::browse {

// Type-to-search on the fond grid: a digit, a Latin letter, Ё, ё or a
// Cyrillic letter А..я (Windows-1251) moves to the search box.
bool startsTypeToSearch(char cp1251);

// Up and Down on a level page: the previous (next) record, or the last
// (first) one when the cursor is already at its beginning (end).
void stepWithWrap(dbf::TableCursor& cursor, bool forward);

}  // namespace kestrin::browse
