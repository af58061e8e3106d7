// Widening the lists again: "Показать все" takes every restriction off (the
// fonds and inventories keep "held only" while "Только в наличии" is
// checked), and "Только в наличии" switches that restriction on the fond or
// inventory page.
#pragma once

#include <string_view>

#include "browse/navigation/level_cursors.h"

namespace kestrin::browse {

// Fonds "A100=1" and inventories "G15=1" when `heldOnly`, otherwise both
// unfiltered; files and documents unfiltered without an exact count or a date
// range. Index choices stay.
void showAll(LevelCursors& cursors, bool heldOnly);

// The status "Показать все" gives first on `page`: "Все фонды." ... "Все
// документы."; empty on the other pages. Windows-1251.
std::string_view showAllPageStatus(int page);

struct OnlyAvailableResult {
  std::string_view status;  // Windows-1251
  bool applied = false;     // false: not a fond or inventory page; the check mark goes back
};

// "Только в наличии" chosen on `page`, `checked` being the item's new state:
// on the fond page the fond list is restricted to "A100=1" or its filter
// switched off (a cross-navigation's too), on the inventory page likewise with
// "G15=1" (a fond's restriction goes either way). Other pages change nothing.
OnlyAvailableResult applyOnlyAvailable(LevelCursors& cursors, int page, bool checked);

// Status panel 1 after "Только в наличии": "Нет записей." or "Записей: 1 234".
std::string onlyAvailableCountText(int count);

}  // namespace kestrin::browse
