// The advanced search run over the level cursors: the lookups of the level,
// the condition, the year span of files and documents as a record filter,
// and the filter set on the level's cursor.
//
// When the engine rejects the condition (a mistyped special filter), the
// level cursor is put back as it was — filter, options, filtering and record
// filter — and the engine's error goes to the caller.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "archive/columns/level_columns.h"
#include "browse/navigation/date_range_filter.h"
#include "dbf/cursor/table_cursor.h"
#include "search/advanced/advanced_form.h"

namespace kestrin::search {

struct AdvancedSearchTables {
  dbf::TableCursor& fond;    // hdsFond
  dbf::TableCursor& opis;    // hdsOpis
  dbf::TableCursor& delo;    // hdsDelo
  dbf::TableCursor& doc;     // hdsDoc
  dbf::TableCursor& rename;  // hdsRename, FOND3.DBF
  dbf::TableCursor& temp;    // hdsTemp, the keyword tables
  dbf::TableCursor& rubr;    // hdsRubr, RUBRIKA2.DBF

  dbf::TableCursor& level(archive::Level level) const;
};

struct AdvancedSearchResult {
  bool filterSet = false;  // the level's Filter was replaced
  std::string filter;      // the condition ("" when nothing was chosen)
  bool caseInsensitive = true;
  std::optional<browse::DateRange> dateRange;  // installed on files or documents
  std::vector<std::string> skippedTables;      // lookups that had no table
};

// What the search would set, without touching the level cursor (the lookups
// still walk their tables).
AdvancedSearchResult buildAdvancedSearch(const AdvancedSearchTables& tables, archive::Level level,
                                         const AdvancedForm& form);

// Builds and applies the search. Throws AdvancedSearchError for a year box
// without a year, and the engine's errors for a condition it rejects, in both
// cases with the level cursor as it was.
AdvancedSearchResult runAdvancedSearch(const AdvancedSearchTables& tables, archive::Level level,
                                       const AdvancedForm& form);

}  // namespace kestrin::search
