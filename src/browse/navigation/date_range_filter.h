// The year span of the advanced search on files and documents: a record
// filter on the level cursor rather than a filter expression. A file is kept
// when its span L8..L9 overlaps the range, a document when its date T8 lies
// within it (both ends included). An empty date counts as 30.12.1899, the
// zero of the date scale: an empty L8 is never after "to", an empty L9 or T8
// is before every later "from".
//
// This is the one way the callback gets onto a cursor; every drill-down and
// "Показать все" on files and documents takes it off again.
#pragma once

#include "archive/columns/level_columns.h"
#include "dbf/base/civil_date.h"

namespace kestrin::dbf {
class TableCursor;
}

namespace kestrin::browse {

struct DateRange {
  dbf::CivilDate from;
  dbf::CivilDate to;
};

// Installs the record filter of `level` (Files or Documents; any other level
// throws std::invalid_argument) on `cursor`. It applies while the cursor is
// filtered, as every record filter does; the caller decides Filtered.
void installDateRange(dbf::TableCursor& cursor, archive::Level level, DateRange range);

// Takes the record filter off `cursor`.
void removeDateRange(dbf::TableCursor& cursor);

}  // namespace kestrin::browse
