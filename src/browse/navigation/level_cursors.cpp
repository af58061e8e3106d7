#include "browse/navigation/level_cursors.h"

#include "browse/navigation/date_range_filter.h"

namespace kestrin::browse {

// Either way round the table is scanned once: a new text on a filtered cursor
// scans at once and the unchanged Filtered only moves to First; a text stored
// on an unfiltered one is scanned when filtering comes on.
void setListFilter(dbf::TableCursor& list, const std::string& text) {
  const ControlsDisabled quiet(list);
  list.setFilter(text);
  list.setFiltered(true);
}

// The date range goes first: while it is on, the scan of the new text would
// pass over the records it rejects, and they would stay out of the list after
// it is gone.
void setChildListFilter(dbf::TableCursor& list, const std::string& text, bool filtered) {
  const ControlsDisabled quiet(list);
  removeDateRange(list);
  list.setFilter(text);
  list.setFiltered(filtered);
  list.setExactCount(filtered);
}

}  // namespace kestrin::browse
