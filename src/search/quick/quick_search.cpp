#include "search/quick/quick_search.h"

#include "text/cp1251_literal.h"

namespace kestrin::search {

using namespace text::literals;

std::string_view searchPrompt() { return "Выберите раздел и введите текст для поиска или номер"_cp1251; }

ModeButtons buttonsForLevel(ModeButtons buttons, archive::Level level) {
  if (level == archive::Level::Documents && buttons.checked == SearchMode::Number) buttons.checked = SearchMode::Phrase;
  return buttons;
}

bool isNothingToSearch(std::string_view boxText, const PreparedQuery& prepared) {
  // Punctuation alone normalises to blanks: searching "**" would list
  // nearly everything instead of what was asked.
  return isBlankQuery(boxText) || isBlankQuery(prepared.query);
}

std::optional<QuickSearchRun> runQuickSearch(SearchCursors& cursors, const QuickSearchInput& input,
                                             const CaptionSink& caption) {
  if (isBlankQuery(input.boxText)) return std::nullopt;
  QuickSearchRun run;
  run.prepared = prepareQuery(input.boxText, input.buttons.checked, input.history);
  if (isNothingToSearch(input.boxText, run.prepared)) return std::nullopt;
  run.buttons = buttonsForLevel(input.buttons, input.level);
  LevelSearch search;
  search.level = input.level;
  search.mode = run.buttons.checked;
  search.fast = input.fast;
  search.onlyAvailable = input.onlyAvailable;
  search.caseInsensitive = run.prepared.caseInsensitive;
  search.query = run.prepared.query;
  run.result = runLevelSearch(cursors, search, caption);
  ReportInput report;
  report.count = run.result.count;
  report.buttons = run.buttons;
  report.caseSensitive = !run.prepared.caseInsensitive;
  report.boxText = run.prepared.query;
  report.countRecords = input.countRecords;
  run.report = reportResult(report);
  return run;
}

}  // namespace kestrin::search
