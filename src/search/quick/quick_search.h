// One quick search from the box to the report, without the window: the
// query prepared from the box text and mode, the level searched, the result
// reported. The window runs the same steps with its captions, history and
// log between them; the command line runs them through here.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/quick/level_search.h"
#include "search/quick/mode_buttons.h"
#include "search/quick/query_text.h"
#include "search/quick/search_report.h"

namespace kestrin::search {

// The caption when there is nothing to search for (Windows-1251).
std::string_view searchPrompt();

// The buttons a level searches with: documents have no number search, so
// "Номер" gives way to "Как есть".
ModeButtons buttonsForLevel(ModeButtons buttons, archive::Level level);

struct QuickSearchInput {
  archive::Level level = archive::Level::Fonds;
  ModeButtons buttons;
  std::string boxText;
  bool fast = false;
  bool onlyAvailable = true;
  bool countRecords = true;  // KolRec
  std::vector<std::string> history;
};

struct QuickSearchRun {
  PreparedQuery prepared;
  ModeButtons buttons;  // after buttonsForLevel
  LevelSearchResult result;
  SearchReport report;
};

// True when the box text, or the query made of it, holds nothing to search.
bool isNothingToSearch(std::string_view boxText, const PreparedQuery& prepared);

// The whole search; nullopt (and nothing touched) when there is nothing to
// search for. Throws as runLevelSearch.
std::optional<QuickSearchRun> runQuickSearch(SearchCursors& cursors, const QuickSearchInput& input,
                                             const CaptionSink& caption);

}  // namespace kestrin::search
