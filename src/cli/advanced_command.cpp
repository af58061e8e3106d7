// kestrin-cli advanced BASE LEVEL [conditions] [--all] [--explain]: the
// advanced search dialog with its controls set from the options, run on a
// freshly opened base; the records found, or what the dialog set.
#include <cstdio>
#include <string>

#include "app/base_tables.h"
#include "cli/command.h"
#include "cli/command_parser.h"
#include "cli/json_writer.h"
#include "cli/level_records.h"
#include "cli/startup_tables.h"
#include "search/advanced/advanced_search.h"
#include "search/advanced/dialog_lists.h"
#include "search/advanced/search_error.h"
#include "search/lookups/lookups.h"
#include "text/cp1251_utf8.h"

namespace kestrin::cli {
namespace {

using archive::Level;
using search::AdvancedForm;
using search::TextMode;

struct AdvancedOptions {
  std::string base;
  Level level = Level::Fonds;
  AdvancedForm form;
  bool all = false;
  bool explain = false;
};

// `item` of an option that picks an item of one of the dialog's lists.
int listItem(const CommandParser& parser, const CLI::Option& option, int item, std::size_t itemCount) {
  if (item < 0 || static_cast<std::size_t>(item) >= itemCount) {
    parser.refuse("Option " + option.get_name() + " takes an item from 0 to " + std::to_string(itemCount - 1));
  }
  return item;
}

AdvancedOptions parseOptions(const Args& args) {
  AdvancedOptions options;
  AdvancedForm& form = options.form;
  int move = 0;
  int type = 0;
  int category = 0;
  std::string years;
  CommandParser parser("advanced");
  CLI::App& app = parser.app();
  app.add_option("BASE", options.base)->required();
  parser.addChoice("LEVEL", options.level, levelChoices(), "level")->required();
  const CLI::Option* textOption = app.add_option("--text", form.text);
  const Choices<TextMode> textModes = {
      {"all", TextMode::AllWords}, {"any", TextMode::AnyWord}, {"phrase", TextMode::Phrase}};
  parser.addChoice("--text-mode", form.mode, textModes, "text mode");
  app.add_flag("--case-sensitive", form.caseSensitive);
  app.add_flag_callback("--no-name", [&form] { form.name = false; });
  app.add_flag_callback("--no-pred", [&form] { form.pred = false; });
  app.add_flag_callback("--no-rename", [&form] { form.rename = false; });
  app.add_flag_callback("--no-keywords", [&form] { form.keywords = false; });
  app.add_flag_callback("--no-rubric", [&form] { form.rubric = false; });
  app.add_flag_callback("--no-doctext", [&form] { form.docText = false; });
  const CLI::Option* moveOption = parser.addNumber("--move", move);
  const CLI::Option* typeOption = parser.addNumber("--type", type);
  const CLI::Option* categoryOption = parser.addNumber("--category", category);
  const CLI::Option* yearsOption = app.add_option("--years", years);
  const CLI::Option* specialOption = app.add_option("--special", form.special);
  app.add_flag("--all", options.all);
  app.add_flag("--explain", options.explain);
  parser.parse(args);

  form.useText = textOption->count() > 0;
  form.text = text::utf8ToCp1251(form.text);
  form.useSpecial = specialOption->count() > 0;
  form.special = text::utf8ToCp1251(form.special);
  if (yearsOption->count() > 0) {
    const std::size_t dash = years.find('-');
    if (dash == std::string::npos) throw UsageError("Option --years needs FROM-TO, not " + years);
    form.yearFrom = text::utf8ToCp1251(years.substr(0, dash));
    form.yearTo = text::utf8ToCp1251(years.substr(dash + 1));
    form.useYears = true;
  }
  if (typeOption->count() > 0) form.type = listItem(parser, *typeOption, type, search::typeItems().size());
  if (categoryOption->count() > 0) {
    form.category = listItem(parser, *categoryOption, category, search::categoryItems(options.level).size());
  }
  // Shown on fonds or inventories while "Только в наличии" is checked, the
  // dialog selects "наличие".
  const bool heldLevel = options.level == Level::Fonds || options.level == Level::Inventories;
  form.move = moveOption->count() > 0 ? listItem(parser, *moveOption, move, search::moveItems().size())
                                      : (heldLevel && !options.all ? 1 : 0);
  return options;
}

std::string isoDate(const dbf::CivilDate& date) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
  return buffer;
}

}  // namespace

int runAdvanced(const Args& args, std::ostream& out) {
  const AdvancedOptions options = parseOptions(args);
  app::BaseTables tables;
  openStartupTables(tables, options.base, options.all);
  const search::AdvancedSearchTables cursors{tables.fond,   tables.opis, tables.delo, tables.doc,
                                             tables.rename, tables.temp, tables.rubr};
  search::AdvancedSearchResult result;
  try {
    result = search::runAdvancedSearch(cursors, options.level, options.form);
  } catch (const search::AdvancedSearchError& error) {
    throw std::runtime_error(text::cp1251ToUtf8(error.what()));
  }
  dbf::TableCursor& cursor = tables.level(options.level);
  if (!options.explain) {
    printLevelRecords(cursor, options.level, options.base, out);
    return 0;
  }
  cursor.setExactCount(true);
  JsonLine line(out);
  line.string("filter", text::cp1251ToUtf8(cursor.filter()))
      .boolean("case_insensitive", cursor.filterOptions().caseInsensitive)
      .integer("count", cursor.recordCount())
      .string("status", text::cp1251ToUtf8(search::skippedTablesStatus(result.skippedTables)))
      .raw("advice", "[]");
  if (result.dateRange) {
    line.string("date_from", isoDate(result.dateRange->from)).string("date_to", isoDate(result.dateRange->to));
  } else {
    line.null("date_from").null("date_to");
  }
  return 0;
}

}  // namespace kestrin::cli
