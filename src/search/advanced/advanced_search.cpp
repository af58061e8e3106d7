#include "search/advanced/advanced_search.h"

#include <exception>

#include "browse/navigation/level_cursors.h"
#include "search/advanced/level_condition.h"
#include "search/advanced/search_error.h"
#include "search/advanced/years.h"
#include "search/lookups/lookups.h"
#include "text/cp1251_literal.h"

namespace kestrin::search {

using namespace text::literals;
using archive::Level;

dbf::TableCursor& AdvancedSearchTables::level(Level which) const {
  switch (which) {
    case Level::Fonds:
      return fond;
    case Level::Inventories:
      return opis;
    case Level::Files:
      return delo;
    case Level::Documents:
      break;
  }
  return doc;
}

namespace {

LookupOutput runLookups(const AdvancedSearchTables& tables, Level level, const AdvancedForm& form) {
  LookupOutput out;
  const std::string t = searchText(form);
  if (!form.useText || t.empty()) return out;
  if (level == Level::Fonds) {
    if (form.rename) renameLookup(tables.rename, t, static_cast<FieldMode>(form.mode), form.caseSensitive, out);
    if (form.keywords) keywordLookup(tables.temp, t, level, form.caseSensitive, out);
  } else if (level == Level::Files) {
    if (form.rubric) rubricLookup(tables.rubr, tables.opis, t, form.caseSensitive, out);
    if (form.keywords) keywordLookup(tables.temp, t, level, form.caseSensitive, out);
  }
  return out;
}

// Sets the condition with one scan; on a failure the filter settings go back
// as they were and the failure goes on.
void applyCondition(dbf::TableCursor& cursor, const std::string& condition, dbf::FilterOptions options) {
  const std::string oldFilter = cursor.filter();
  const dbf::FilterOptions oldOptions = cursor.filterOptions();
  const bool oldFiltered = cursor.filtered();
  try {
    cursor.setFiltered(false);
    cursor.setFilterOptions(options);
    cursor.setFilter(condition);
    cursor.setFiltered(true);
  } catch (const std::exception&) {
    cursor.setFilter(oldFilter);
    cursor.setFilterOptions(oldOptions);
    cursor.setFiltered(oldFiltered);
    throw;
  }
}

}  // namespace

AdvancedSearchResult buildAdvancedSearch(const AdvancedSearchTables& tables, Level level, const AdvancedForm& form) {
  AdvancedSearchResult result;
  result.caseInsensitive = !form.caseSensitive;
  // The year boxes are checked before any table is walked.
  if (form.useYears && (level == Level::Files || level == Level::Documents)) {
    result.dateRange = yearSpan(form.yearFrom, form.yearTo);
  }
  LookupOutput lookups = runLookups(tables, level, form);
  result.skippedTables = std::move(lookups.skippedTables);
  result.filter = levelCondition(level, form, lookups.alternatives.items());
  result.filterSet = !result.filter.empty();
  return result;
}

AdvancedSearchResult runAdvancedSearch(const AdvancedSearchTables& tables, Level level, const AdvancedForm& form) {
  dbf::TableCursor& cursor = tables.level(level);
  if (!cursor.active()) {
    throw AdvancedSearchError(std::string("Таблица "_cp1251) + cursor.tableName() + std::string(" не открыта."_cp1251));
  }
  AdvancedSearchResult result = buildAdvancedSearch(tables, level, form);
  const browse::ControlsDisabled quiet(cursor);
  if (result.filterSet) applyCondition(cursor, result.filter, {.caseInsensitive = result.caseInsensitive});
  if (result.dateRange) {
    browse::installDateRange(cursor, level, *result.dateRange);
    // The span applies also when no new condition was set, with the cursor's
    // present filter text.
    cursor.setFiltered(true);
  }
  return result;
}

}  // namespace kestrin::search
