#include "search/quick/search_filter.h"

#include "browse/navigation/level_cursors.h"

namespace kestrin::search {

void applySearchFilter(dbf::TableCursor& cursor, const std::string& text, dbf::FilterOptions options) {
  const browse::ControlsDisabled quiet(cursor);
  // A filtered cursor whose options stay scans once for the new text, and a
  // stopped scan leaves everything in place by itself.
  if (cursor.active() && cursor.filtered() && cursor.filterOptions() == options) {
    cursor.setFilter(text);
    return;
  }
  const std::string oldText = cursor.filter();
  const dbf::FilterOptions oldOptions = cursor.filterOptions();
  const bool oldFiltered = cursor.filtered();
  const int oldRecNo = cursor.active() ? cursor.recNo() : 0;
  cursor.setFiltered(false);
  cursor.setFilter(text);
  cursor.setFilterOptions(options);
  try {
    cursor.setFiltered(true);
  } catch (...) {
    // The engine kept the earlier compiled filter and its bits: filtering
    // on with the earlier text does not scan again.
    cursor.setFilter(oldText);
    cursor.setFilterOptions(oldOptions);
    cursor.setFiltered(oldFiltered);
    if (oldRecNo > 0) cursor.gotoRecNo(oldRecNo);
    throw;
  }
}

}  // namespace kestrin::search
