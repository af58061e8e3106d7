// kestrin-cli advanced BASE LEVEL [conditions] [--all] [--explain]: the
// advanced search dialog with its controls set from the options, run on a
// freshly opened base; the records found, or what the dialog set.
#include <cstdio>
#include <optional>
#include <string>

#include "app/base_tables.h"
#include "cli/command.h"
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

constexpr const char* kUsage =
    "usage: kestrin-cli advanced BASE LEVEL [--text T] [--text-mode all|any|phrase] [--case-sensitive] "
    "[--no-name] [--no-pred] [--no-rename] [--no-keywords] [--no-rubric] [--no-doctext] [--move N] [--type N] "
    "[--category N] [--years FROM-TO] [--special EXPR] [--all] [--explain] (LEVEL: fond, opis, delo, doc or 0..3)";

struct AdvancedOptions {
  std::string base;
  Level level = Level::Fonds;
  AdvancedForm form;
  std::optional<int> move;
  bool all = false;
  bool explain = false;
};

TextMode textModeByName(const std::string& name) {
  if (name == "all") return TextMode::AllWords;
  if (name == "any") return TextMode::AnyWord;
  if (name == "phrase") return TextMode::Phrase;
  throw UsageError("Unknown text mode " + name + "; " + kUsage);
}

int listItem(const Args& args, std::size_t& i, std::size_t itemCount) {
  const std::string& option = args[i];
  const int item = wholeNumberValue(args, i);
  if (item < 0 || static_cast<std::size_t>(item) >= itemCount) {
    throw UsageError("Option " + option + " takes an item from 0 to " + std::to_string(itemCount - 1));
  }
  return item;
}

AdvancedOptions parseOptions(const Args& args) {
  AdvancedOptions options;
  AdvancedForm& form = options.form;
  std::vector<std::string> positional;
  std::optional<int> category;
  std::size_t categoryAt = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--text") {
      form.text = text::utf8ToCp1251(optionValue(args, i));
      form.useText = true;
    } else if (a == "--text-mode") {
      form.mode = textModeByName(optionValue(args, i));
    } else if (a == "--case-sensitive") {
      form.caseSensitive = true;
    } else if (a == "--no-name") {
      form.name = false;
    } else if (a == "--no-pred") {
      form.pred = false;
    } else if (a == "--no-rename") {
      form.rename = false;
    } else if (a == "--no-keywords") {
      form.keywords = false;
    } else if (a == "--no-rubric") {
      form.rubric = false;
    } else if (a == "--no-doctext") {
      form.docText = false;
    } else if (a == "--move") {
      options.move = listItem(args, i, search::moveItems().size());
    } else if (a == "--type") {
      form.type = listItem(args, i, search::typeItems().size());
    } else if (a == "--category") {
      categoryAt = i;
      category = wholeNumberValue(args, i);
    } else if (a == "--years") {
      const std::string& years = optionValue(args, i);
      const std::size_t dash = years.find('-');
      if (dash == std::string::npos) throw UsageError("Option --years needs FROM-TO, not " + years);
      form.yearFrom = text::utf8ToCp1251(years.substr(0, dash));
      form.yearTo = text::utf8ToCp1251(years.substr(dash + 1));
      form.useYears = true;
    } else if (a == "--special") {
      form.special = text::utf8ToCp1251(optionValue(args, i));
      form.useSpecial = true;
    } else if (a == "--all") {
      options.all = true;
    } else if (a == "--explain") {
      options.explain = true;
    } else if (a.rfind("--", 0) == 0) {
      throw UsageError("Unknown option " + a + "; " + kUsage);
    } else {
      positional.push_back(a);
    }
  }
  if (positional.size() != 2) throw UsageError(kUsage);
  const auto level = levelByName(positional[1]);
  if (!level) throw UsageError("Unknown level " + positional[1] + "; " + kUsage);
  options.base = positional[0];
  options.level = *level;
  if (category) {
    const std::size_t items = search::categoryItems(*level).size();
    if (*category < 0 || static_cast<std::size_t>(*category) >= items) {
      throw UsageError("Option " + args[categoryAt] + " takes an item from 0 to " + std::to_string(items - 1));
    }
    form.category = *category;
  }
  // Shown on fonds or inventories while "Только в наличии" is checked, the
  // dialog selects "наличие".
  const bool heldLevel = *level == Level::Fonds || *level == Level::Inventories;
  form.move = options.move.value_or(heldLevel && !options.all ? 1 : 0);
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
