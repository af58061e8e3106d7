// The quick search on one level: the condition of the level and mode with
// the restrictions in force, the number keys, the fonds' former names, the
// fond prefix of the file level, set on the level's cursor; the count that
// remains. Texts are Windows-1251.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "archive/columns/level_columns.h"
#include "dbf/cursor/table_cursor.h"
#include "search/quick/mode_buttons.h"

namespace kestrin::search {

struct SearchCursors {
  dbf::TableCursor& fond;  // hdsFond
  dbf::TableCursor& opis;  // hdsOpis
  dbf::TableCursor& delo;  // hdsDelo
  dbf::TableCursor& doc;   // hdsDoc
  // hdsRename (FOND3.DBF): the former names; skipped while it is not open.
  dbf::TableCursor* rename = nullptr;
};

struct LevelSearch {
  archive::Level level = archive::Level::Fonds;
  // Number mode on the document level is searched as the phrase.
  SearchMode mode = SearchMode::Phrase;
  bool fast = false;
  bool onlyAvailable = true;  // "Только в наличии"
  bool caseInsensitive = true;
  std::string query;
};

struct LevelSearchResult {
  int count = 0;              // RecordCount of the level after the search
  bool fondNotFound = false;  // a fond number (or the "ф." prefix) named no fond
};

// The captions the search shows while it works ("Поиск дел...").
using CaptionSink = std::function<void(std::string_view)>;

// Runs the search on the level's cursor. Throws the engine's errors (and
// EScanCancelled when a scan is stopped); the level's list then stays as it
// was.
LevelSearchResult runLevelSearch(SearchCursors& cursors, const LevelSearch& search, const CaptionSink& caption);

// "Фонд не найден." (Windows-1251).
std::string_view fondNotFoundText();

// The "ф.NN" prefix of a file search: the fond number and the query after
// it. `present` is false when the query does not begin with "ф." or "Ф.".
struct FondPrefix {
  bool present = false;
  std::string fond;   // empty when nothing but the query follows the prefix
  std::string query;  // the rest, trimmed
};
FondPrefix splitFondPrefix(std::string_view query);

// The condition over FKOD for several fond numbers ("12, 15" or "12 15").
std::string fondNumbersCondition(std::string_view query);

}  // namespace kestrin::search
