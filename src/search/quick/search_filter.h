// Setting a search's filter on a level cursor with one scan, so that a scan
// stopped by the person (or failed) leaves the list as it was.
#pragma once

#include <string>

#include "dbf/cursor/table_cursor.h"

namespace kestrin::search {

// Filter := text, FilterOptions := options, Filtered := true, scanning the
// table once. When the scan throws (EScanCancelled or an engine error) the
// filter text, options, Filtered and the current record are put back
// without scanning again, and the error goes on.
void applySearchFilter(dbf::TableCursor& cursor, const std::string& text, dbf::FilterOptions options);

// The options of a search's filters: case by the query, partial compare on.
inline dbf::FilterOptions searchFilterOptions(bool caseInsensitive) { return {caseInsensitive, false}; }

}  // namespace kestrin::search
