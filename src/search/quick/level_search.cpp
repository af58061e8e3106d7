#include "search/quick/level_search.h"

#include "archive/format/number_keys.h"
#include "archive/model/code_tables.h"
#include "archive/text/text_edit.h"
#include "browse/navigation/date_range_filter.h"
#include "browse/navigation/level_cursors.h"
#include "search/quick/level_conditions.h"
#include "search/quick/query_text.h"
#include "search/quick/search_filter.h"
#include "text/cp1251_literal.h"

namespace kestrin::search {

using archive::Level;
using namespace text::literals;

namespace {

constexpr std::string_view kFondNotFound = "Фонд не найден."_cp1251;

// "(FIELD="v1") OR (FIELD="v2") ..." over `field` of every record of the
// cursor's view, walked quietly.
std::string keysOfView(dbf::TableCursor& cursor, std::string_view sourceField, std::string_view targetField) {
  std::string keys;
  const browse::ControlsDisabled quiet(cursor);
  const dbf::CursorField& source = cursor.fieldByName(sourceField);
  for (cursor.first(); !cursor.eof(); cursor.next()) {
    if (!keys.empty()) keys += " OR ";
    keys += "(" + equalsText(targetField, source.asString()) + ")";
  }
  cursor.first();
  return keys;
}

// Puts the fond list in record order, unfiltered, and finds the fond of
// `number` in it.
bool locateFond(dbf::TableCursor& fond, std::string_view number) {
  fond.setFiltered(false);
  fond.clearIndexFiles();
  return fond.locate("FKOD", {archive::fondNumberKey(number)}, {});
}

// The former names' fonds: "(KOD="...") OR ..." for the records of FOND3.DBF
// that `condition` accepts; empty when none does.
std::string formerNameFonds(dbf::TableCursor& rename, const std::string& condition, bool caseInsensitive) {
  rename.setFilter(condition);
  rename.setFilterOptions(searchFilterOptions(caseInsensitive));
  rename.setFiltered(true);
  return keysOfView(rename, "FOND", "KOD");
}

LevelSearchResult searchFonds(SearchCursors& cursors, const LevelSearch& search, const CaptionSink& caption) {
  LevelSearchResult result;
  dbf::TableCursor& fond = cursors.fond;
  std::string main;
  std::string former;
  if (search.mode == SearchMode::Number) {
    const std::string numbers = archive::trimmedControls(search.query);
    if (numbers.find_first_of(" ,") != std::string::npos) {
      main = fondNumbersCondition(numbers);
    } else {
      {
        const browse::ControlsDisabled quiet(fond);
        fond.setFiltered(false);
        if (search.onlyAvailable) {
          fond.setFilter(std::string(archive::kFondsPresentFilter));
          fond.setFiltered(true);
        }
        fond.clearIndexFiles();
      }
      if (!fond.locate("FKOD", {archive::fondNumberKey(numbers)}, {})) {
        caption(kFondNotFound);
        result.fondNotFound = true;
      }
    }
  } else {
    main = textCondition(Level::Fonds, search.mode, search.fast, search.query);
    // Without FOND3.DBF there are no former names to look through.
    if (cursors.rename && cursors.rename->active()) {
      former = formerNameCondition(search.mode, search.fast, search.query);
    }
  }
  if (!archive::isBlank(former)) former = formerNameFonds(*cursors.rename, former, search.caseInsensitive);

  std::string condition;
  if (archive::isBlank(main)) {
    condition = former;
  } else if (archive::isBlank(former)) {
    condition = "(" + main + ")";
  } else {
    condition = "(" + main + ") OR (" + former + ")";
  }
  if (search.onlyAvailable && !archive::isBlank(condition)) {
    condition = "(" + std::string(archive::kFondsPresentFilter) + ") AND (" + condition + ")";
  }
  if (!archive::isBlank(condition)) applySearchFilter(fond, condition, searchFilterOptions(search.caseInsensitive));
  {
    const browse::ControlsDisabled quiet(fond);
    fond.clearIndexFiles();
  }
  result.count = fond.recordCount();
  return result;
}

LevelSearchResult searchInventories(SearchCursors& cursors, const LevelSearch& search) {
  std::string condition = search.mode == SearchMode::Number
                              ? equalsText("OKOD", archive::inventoryNumberKey(search.query))
                              : textCondition(Level::Inventories, search.mode, search.fast, search.query);
  if (search.onlyAvailable) {
    condition = "(" + std::string(archive::kInventoriesPresentFilter) + ") AND (" + condition + ")";
  }
  applySearchFilter(cursors.opis, condition, searchFilterOptions(search.caseInsensitive));
  return {cursors.opis.recordCount(), false};
}

// Files and documents: the date range of an advanced search goes, and the
// count is the exact one of the filtered list.
int filterChildList(dbf::TableCursor& list, const std::string& condition, bool caseInsensitive) {
  {
    const browse::ControlsDisabled quiet(list);
    browse::removeDateRange(list);
  }
  applySearchFilter(list, condition, searchFilterOptions(caseInsensitive));
  list.setExactCount(true);
  return list.recordCount();
}

LevelSearchResult searchFiles(SearchCursors& cursors, const LevelSearch& search, const CaptionSink& caption) {
  LevelSearchResult result;
  std::string condition;
  std::string inventories;
  std::string fondNumber;
  if (search.mode == SearchMode::Number) {
    condition = equalsText("L1", archive::fileNumberKey(search.query));
  } else {
    std::string query = search.query;
    const FondPrefix prefix = splitFondPrefix(query);
    if (prefix.present) {
      query = prefix.query;
      fondNumber = prefix.fond;
    }
    if (!fondNumber.empty()) {
      caption(std::string("Поиск фонда "_cp1251) + fondNumber + "...");
      if (locateFond(cursors.fond, fondNumber)) {
        caption(std::string("Поиск описей фонда "_cp1251) + fondNumber + "...");
        const std::string fondKey = archive::rightAligned(cursors.fond.fieldByName("KOD").asString(), 7);
        {
          const browse::ControlsDisabled quiet(cursors.opis);
          cursors.opis.setFilter(equalsText("FOND", fondKey));
          cursors.opis.setFiltered(true);
        }
        inventories = keysOfView(cursors.opis, "KOD", "OPIS");
        // A fond without inventories holds no files: nothing is found,
        // rather than every file of the archive.
        if (inventories.empty()) inventories = ".F.";
      } else {
        caption(kFondNotFound);
        result.fondNotFound = true;
      }
    }
    condition = textCondition(Level::Files, search.mode, search.fast, query);
  }
  if (!inventories.empty()) condition = "(" + condition + ") AND (" + inventories + ")";
  caption(inventories.empty() ? std::string("Поиск дел..."_cp1251)
                              : std::string("Поиск дел в фонде "_cp1251) + fondNumber + "...");
  result.count = filterChildList(cursors.delo, condition, search.caseInsensitive);
  return result;
}

}  // namespace

std::string_view fondNotFoundText() { return kFondNotFound; }

FondPrefix splitFondPrefix(std::string_view query) {
  FondPrefix prefix;
  if (query.size() < 2 || query[1] != '.') return prefix;
  const char letter = query[0];
  if (letter != "ф"_cp1251[0] && letter != "Ф"_cp1251[0]) return prefix;
  prefix.present = true;
  const std::string rest = archive::trimmedControls(query.substr(2));
  const std::size_t blank = rest.find(' ');
  if (blank == std::string::npos) {
    prefix.query = rest;
    return prefix;
  }
  prefix.fond = rest.substr(0, blank);
  prefix.query = archive::trimmedControls(std::string_view(rest).substr(blank));
  return prefix;
}

std::string fondNumbersCondition(std::string_view query) {
  std::string numbers(query);
  for (char& c : numbers) {
    if (c == ',') c = ' ';
  }
  std::string condition;
  for (const std::string& number : queryWords(numbers)) {
    // Two separators in a row leave no number between them.
    if (number.empty()) continue;
    if (!condition.empty()) condition += " OR ";
    condition += "(" + equalsText("FKOD", archive::fondNumberKey(number)) + ")";
  }
  return condition;
}

LevelSearchResult runLevelSearch(SearchCursors& cursors, const LevelSearch& search, const CaptionSink& caption) {
  switch (search.level) {
    case Level::Fonds:
      return searchFonds(cursors, search, caption);
    case Level::Inventories:
      return searchInventories(cursors, search);
    case Level::Files:
      return searchFiles(cursors, search, caption);
    case Level::Documents: {
      const SearchMode mode = search.mode == SearchMode::Number ? SearchMode::Phrase : search.mode;
      const std::string condition = textCondition(Level::Documents, mode, search.fast, search.query);
      return {filterChildList(cursors.doc, condition, search.caseInsensitive), false};
    }
  }
  return {};
}

}  // namespace kestrin::search
