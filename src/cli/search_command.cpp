// kestrin-cli search BASE LEVEL QUERY [--mode all|any|phrase|number] [--fast]
// [--all] [--explain]: the quick search of the search box on one level, as
// the program runs it on a freshly opened base; the records found, or with
// --explain the filter, case flag, count, status and advice.
#include <optional>
#include <stdexcept>
#include <string>

#include "cli/command.h"
#include "cli/command_parser.h"
#include "cli/json_writer.h"
#include "cli/level_records.h"
#include "cli/startup_tables.h"
#include "search/quick/quick_search.h"
#include "text/cp1251_literal.h"
#include "text/cp1251_utf8.h"

namespace kestrin::cli {
namespace {

using search::ModeButtons;
using search::SearchMode;
using namespace text::literals;

struct SearchOptions {
  std::string base;
  archive::Level level = archive::Level::Fonds;
  std::string query;  // Windows-1251
  std::optional<SearchMode> mode;
  bool fast = false;
  bool all = false;
  bool explain = false;
};

SearchOptions parseOptions(const Args& args) {
  SearchOptions options;
  CommandParser parser("search");
  CLI::App& app = parser.app();
  app.add_option("BASE", options.base)->required();
  parser.addChoice("LEVEL", options.level, levelChoices(), "level")->required();
  app.add_option("QUERY", options.query)->required();
  const Choices<SearchMode> modes = {{"all", SearchMode::AllWords},
                                     {"any", SearchMode::AnyWord},
                                     {"phrase", SearchMode::Phrase},
                                     {"number", SearchMode::Number}};
  parser.addChoice("--mode", options.mode, modes, "mode");
  app.add_flag("--fast", options.fast);
  app.add_flag("--all", options.all);
  app.add_flag("--explain", options.explain);
  parser.parse(args);
  options.query = text::utf8ToCp1251(options.query);
  return options;
}

// The buttons after the query is typed into the box character by character;
// a mode given on the command line is then clicked.
ModeButtons buttonsFor(const SearchOptions& options) {
  ModeButtons buttons;
  for (std::size_t typed = 1; typed <= options.query.size(); ++typed) {
    buttons = search::afterBoxEdit(buttons, std::string_view(options.query).substr(0, typed));
  }
  if (options.mode) buttons.checked = *options.mode;
  return buttons;
}

std::string adviceJson(const search::SearchReport& report) {
  std::string json = "[";
  for (const std::string& line : report.adviceLines()) {
    if (json.size() > 1) json += ", ";
    json += jsonQuote(text::cp1251ToUtf8(line));
  }
  return json + "]";
}

}  // namespace

int runSearch(const Args& args, std::ostream& out) {
  const SearchOptions options = parseOptions(args);
  app::BaseTables tables;
  openStartupTables(tables, options.base, options.all);
  for (const dbf::TableCursor* level : {&tables.fond, &tables.opis, &tables.delo, &tables.doc}) {
    if (!level->active())
      throw std::runtime_error(text::cp1251ToUtf8("Путь к базам Архивного Фонда не указан."_cp1251));
  }
  search::SearchCursors cursors{tables.fond, tables.opis, tables.delo, tables.doc, &tables.rename};
  search::QuickSearchInput input;
  input.level = options.level;
  input.buttons = buttonsFor(options);
  input.boxText = options.query;
  input.fast = options.fast;
  input.onlyAvailable = !options.all;
  const auto run = search::runQuickSearch(cursors, input, [](std::string_view) {});
  if (!run) throw std::runtime_error(text::cp1251ToUtf8(search::searchPrompt()));
  dbf::TableCursor& list = tables.level(options.level);
  if (!options.explain) {
    printLevelRecords(list, options.level, options.base, out);
    return 0;
  }
  JsonLine json(out);
  json.string("filter", text::cp1251ToUtf8(list.filter()))
      .boolean("case_insensitive", run->prepared.caseInsensitive)
      .integer("count", run->result.count)
      .string("status", text::cp1251ToUtf8(run->report.status))
      .raw("advice", adviceJson(run->report));
  return 0;
}

}  // namespace kestrin::cli
