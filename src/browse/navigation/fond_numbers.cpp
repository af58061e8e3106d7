#include "browse/navigation/fond_numbers.h"

#include <algorithm>

#include "browse/navigation/level_cursors.h"

namespace kestrin::browse {

std::string fondNumberList(dbf::TableCursor& fonds) {
  if (!fonds.active()) return {};
  const bool hadRecord = !fonds.isEmpty();
  const dbf::Bookmark bookmark = fonds.getBookmark();
  const dbf::CursorField& number = fonds.fieldByName("FKOD");
  std::string list;
  {
    const ControlsDisabled quiet(fonds);
    for (fonds.first(); !fonds.isEmpty() && !fonds.eof(); fonds.next()) {
      std::string value = number.asString();
      std::erase(value, ' ');
      list += ", " + value;
    }
    fonds.first();
  }
  if (hadRecord) fonds.gotoBookmark(bookmark);
  return list.erase(0, 2);
}

}  // namespace kestrin::browse
