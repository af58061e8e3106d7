// kestrin-cli card BASE LEVEL RECNO [--query Q [--mode all|any|phrase|number]]
// [--all]: the record card of one record, as a click on its row builds it,
// one JSON object per card line and a last one with the caption and status.
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>

#include "archive/model/storage_places.h"
#include "browse/card/card_builder.h"
#include "cli/command.h"
#include "cli/command_parser.h"
#include "cli/json_writer.h"
#include "cli/startup_tables.h"
#include "cli/typed_search_mode.h"
#include "text/cp1251_utf8.h"

namespace kestrin::cli {
namespace {

using browse::Card;
using browse::CardLine;
using browse::HighlightMode;

struct CardOptions {
  std::string base;
  archive::Level level = archive::Level::Fonds;
  int recno = 0;
  std::string query;  // Windows-1251
  std::optional<HighlightMode> mode;
  bool all = false;
};

CardOptions parseOptions(const Args& args) {
  CardOptions options;
  CommandParser parser("card");
  CLI::App& app = parser.app();
  app.add_option("BASE", options.base)->required();
  parser.addChoice("LEVEL", options.level, levelChoices(), "level")->required();
  parser.addNumber("RECNO", options.recno)->required();
  app.add_option("--query", options.query);
  const Choices<HighlightMode> modes = {{"all", HighlightMode::AllWords},
                                        {"any", HighlightMode::AnyWord},
                                        {"phrase", HighlightMode::Phrase},
                                        {"number", HighlightMode::Number}};
  parser.addChoice("--mode", options.mode, modes, "mode");
  app.add_flag("--all", options.all);
  parser.parse(args);
  options.query = text::utf8ToCp1251(options.query);
  return options;
}

std::string colourText(const browse::Rgb& colour) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", colour.red, colour.green, colour.blue);
  return buffer;
}

std::string spansJson(const CardLine& line) {
  std::string json = "[";
  for (const auto& span : line.spans) {
    if (json.size() > 1) json += ", ";
    json += "{\"from\": " + std::to_string(span.from) + ", \"to\": " + std::to_string(span.to) +
            ", \"bold\": true, \"color\": " + jsonQuote(colourText(span.colour)) + "}";
  }
  return json + "]";
}

void printCard(const Card& card, std::ostream& out) {
  for (const CardLine& line : card.lines) {
    JsonLine json(out);
    json.string("text", text::cp1251ToUtf8(line.text)).boolean("bold", line.bold);
    switch (line.size) {
      case browse::CardSize::Base:
        json.string("size", "base");
        break;
      case browse::CardSize::BasePlus2:
        json.string("size", "base+2");
        break;
      case browse::CardSize::Ten:
        json.integer("size", 10);
        break;
    }
    json.string("color", line.colour == browse::CardColor::Grey ? "grey" : "text").raw("spans", spansJson(line));
  }
  JsonLine json(out);
  if (card.caption) {
    json.string("caption", text::cp1251ToUtf8(*card.caption));
  } else {
    json.null("caption");
  }
  json.raw("status", "[" + jsonQuote(text::cp1251ToUtf8(card.status[0])) + ", " +
                         jsonQuote(text::cp1251ToUtf8(card.status[1])) + "]");
}

}  // namespace

int runCard(const Args& args, std::ostream& out) {
  const CardOptions options = parseOptions(args);
  app::BaseTables tables;
  openStartupTables(tables, options.base, options.all);
  archive::StoragePlaces places(archive::loadStorageList(options.base));
  browse::CardBuilder builder(
      {&tables.fond, &tables.opis, &tables.delo, &tables.doc, &tables.rename, &tables.top, &tables.deloPhoto, &places},
      {});
  if (!builder.tablesOpen()) {
    printCard(browse::noBaseCard(), out);
    return 0;
  }
  dbf::TableCursor& cursor = tables.level(options.level);
  cursor.gotoRecNo(options.recno);
  // A row of the list: a record the level's list does not show has no row to click.
  if (!cursor.table().isVisible()) {
    throw std::runtime_error("Record " + std::to_string(options.recno) + " is not in the list of level " +
                             std::to_string(static_cast<int>(options.level)) + (options.all ? "" : " (try --all)"));
  }
  const HighlightMode mode = options.mode.value_or(typedSearchMode(options.query));
  const auto card = builder.build(options.level, {options.query, mode});
  if (!card) throw std::runtime_error("Record " + std::to_string(options.recno) + " has no number: no card is built");
  printCard(*card, out);
  return 0;
}

}  // namespace kestrin::cli
