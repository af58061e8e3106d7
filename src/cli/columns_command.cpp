// kestrin-cli columns BASE LEVEL [--all] [--filter EXPR]: the display columns
// of one level, record by record, as the level's grid shows them after
// start-up.
#include <string>

#include "archive/columns/level_columns.h"
#include "archive/model/archive_schema.h"
#include "archive/model/archive_tables.h"
#include "archive/model/code_tables.h"
#include "archive/model/index_order.h"
#include "cli/command.h"
#include "cli/command_parser.h"
#include "cli/level_records.h"
#include "dbf/base/errors.h"
#include "text/cp1251_utf8.h"

namespace kestrin::cli {
namespace {

using archive::Level;

struct ColumnsOptions {
  std::string base;
  Level level = Level::Fonds;
  bool all = false;
  bool hasFilter = false;
  std::string filter;
};

ColumnsOptions parseOptions(const Args& args) {
  ColumnsOptions options;
  CommandParser parser("columns");
  CLI::App& app = parser.app();
  app.add_option("BASE", options.base)->required();
  const Choices<Level> levels = {
      {"0", Level::Fonds}, {"1", Level::Inventories}, {"2", Level::Files}, {"3", Level::Documents}};
  parser.addChoice("LEVEL", options.level, levels, "level")->required();
  app.add_flag("--all", options.all);
  const CLI::Option* filter = app.add_option("--filter", options.filter);
  parser.parse(args);
  options.hasFilter = filter->count() > 0;
  return options;
}

// The filter the level has after start-up: only holdings present in the
// archive for fonds and inventories; none for files and documents.
std::string startupFilter(Level level) {
  if (level == Level::Fonds) return std::string(archive::kFondsPresentFilter);
  if (level == Level::Inventories) return std::string(archive::kInventoriesPresentFilter);
  return {};
}

}  // namespace

int runColumns(const Args& args, std::ostream& out) {
  const ColumnsOptions options = parseOptions(args);
  const archive::ArchiveCursor which = archive::archiveCursorOf(options.level);

  dbf::TableCursor cursor;
  archive::setUpArchiveCursor(cursor, which);
  cursor.setDatabaseName(options.base);
  std::string filter = options.all ? std::string() : startupFilter(options.level);
  if (options.hasFilter) filter = text::utf8ToCp1251(options.filter);
  if (!filter.empty()) {
    cursor.setFilter(filter);
    cursor.setFiltered(true);
  }
  // Fonds are listed by fond number when the base has their index file.
  if (options.level == Level::Fonds) archive::applyIndexOrder(cursor, options.base, "fond.cdx", "FKOD");
  archive::openArchiveCursor(cursor, which);

  printLevelRecords(cursor, options.level, options.base, out);
  return 0;
}

}  // namespace kestrin::cli
