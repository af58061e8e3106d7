// kestrin-cli columns BASE LEVEL [--all] [--filter EXPR]: the display columns
// of one level, record by record, as the level's grid shows them after
// start-up.
#include <filesystem>
#include <string>

#include "archive/columns/level_columns.h"
#include "archive/model/archive_schema.h"
#include "archive/model/archive_tables.h"
#include "archive/model/code_tables.h"
#include "archive/model/storage_places.h"
#include "cli/command.h"
#include "cli/json_writer.h"
#include "dbf/base/errors.h"
#include "dbf/base/file_name.h"
#include "text/cp1251_utf8.h"

namespace kestrin::cli {
namespace {

using archive::DisplayColumn;
using archive::Level;

constexpr const char* kUsage = "usage: kestrin-cli columns BASE LEVEL [--all] [--filter EXPR] (LEVEL: 0..3)";

struct ColumnsOptions {
  std::string base;
  Level level = Level::Fonds;
  bool all = false;
  bool hasFilter = false;
  std::string filter;
};

ColumnsOptions parseOptions(const Args& args) {
  ColumnsOptions options;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--all") {
      options.all = true;
    } else if (args[i] == "--filter") {
      if (i + 1 >= args.size()) throw UsageError("Option --filter needs a value");
      options.filter = args[++i];
      options.hasFilter = true;
    } else if (args[i].rfind("--", 0) == 0) {
      throw UsageError("Unknown option " + args[i] + "; " + kUsage);
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2) throw UsageError(kUsage);
  const std::string& level = positional[1];
  if (level.size() != 1 || level[0] < '0' || level[0] > '3') throw UsageError("Unknown level " + level + "; " + kUsage);
  options.base = positional[0];
  options.level = static_cast<Level>(level[0] - '0');
  return options;
}

archive::ArchiveCursor cursorOf(Level level) {
  switch (level) {
    case Level::Fonds:
      return archive::ArchiveCursor::Fond;
    case Level::Inventories:
      return archive::ArchiveCursor::Opis;
    case Level::Files:
      return archive::ArchiveCursor::Delo;
    case Level::Documents:
      return archive::ArchiveCursor::Doc;
  }
  return archive::ArchiveCursor::Fond;
}

// Fonds are listed by fond number (fond.cdx, tag FKOD) when the base has that
// index file; otherwise in record order.
void applyStartupOrder(dbf::TableCursor& cursor, const std::string& base) {
  const std::string indexFile = dbf::resolveFileNoCase(base, "fond.cdx");
  if (!std::filesystem::is_regular_file(indexFile)) return;
  cursor.setIndexFiles({indexFile});
  cursor.setIndexName("FKOD");
}

// The filter the level has after start-up: only holdings present in the
// archive for fonds and inventories; none for files and documents.
std::string startupFilter(Level level) {
  if (level == Level::Fonds) return std::string(archive::kFondsPresentFilter);
  if (level == Level::Inventories) return std::string(archive::kInventoriesPresentFilter);
  return {};
}

// A stored count as the grid shows it; a damaged number shows as 0.
std::int64_t storedInteger(const dbf::TableCursor& cursor, std::string_view name) {
  try {
    return cursor.fieldByName(name).asInteger();
  } catch (const dbf::EDbfError&) {
    return 0;
  }
}

std::string storedText(const dbf::TableCursor& cursor, std::string_view name) {
  try {
    return text::cp1251ToUtf8(cursor.fieldByName(name).asString());
  } catch (const dbf::EDbfError&) {
    return {};
  }
}

void printRecord(const dbf::TableCursor& cursor, const archive::LevelColumns& columns, std::ostream& out) {
  auto shown = [&](DisplayColumn column) { return text::cp1251ToUtf8(columns.text(column)); };
  JsonLine line(out);
  line.integer("recno", cursor.recNo());
  switch (columns.level()) {
    case Level::Fonds:
      line.string("Num", shown(DisplayColumn::Num))
          .string("Cap", shown(DisplayColumn::Cap))
          .integer("A5", storedInteger(cursor, "A5"))
          .string("Hran", shown(DisplayColumn::Hran))
          .string("Tip", shown(DisplayColumn::Tip))
          .string("Dates", shown(DisplayColumn::Dates))
          .string("Kol", shown(DisplayColumn::Kol));
      break;
    case Level::Inventories:
      line.string("Num", shown(DisplayColumn::Num))
          .string("Cap", shown(DisplayColumn::Cap))
          .string("Tip", shown(DisplayColumn::Tip))
          .string("Dates", shown(DisplayColumn::Dates))
          .integer("G7", storedInteger(cursor, "G7"));
      break;
    case Level::Files:
      line.string("Num", shown(DisplayColumn::Num))
          .string("Cap", shown(DisplayColumn::Cap))
          .string("Tip", shown(DisplayColumn::Tip))
          .string("Dates", shown(DisplayColumn::Dates))
          .integer("L11", storedInteger(cursor, "L11"));
      break;
    case Level::Documents:
      line.string("T1", storedText(cursor, "T1"))
          .string("T2", storedText(cursor, "T2"))
          .string("Date", shown(DisplayColumn::Date));
      break;
  }
}

}  // namespace

int runColumns(const Args& args, std::ostream& out) {
  const ColumnsOptions options = parseOptions(args);
  const archive::ArchiveCursor which = cursorOf(options.level);

  dbf::TableCursor cursor;
  archive::setUpArchiveCursor(cursor, which);
  cursor.setDatabaseName(options.base);
  std::string filter = options.all ? std::string() : startupFilter(options.level);
  if (options.hasFilter) filter = text::utf8ToCp1251(options.filter);
  if (!filter.empty()) {
    cursor.setFilter(filter);
    cursor.setFiltered(true);
  }
  if (options.level == Level::Fonds) applyStartupOrder(cursor, options.base);
  archive::openArchiveCursor(cursor, which);

  archive::StoragePlaces places(archive::loadStorageList(options.base));
  const archive::LevelColumns columns(cursor, options.level, &places);
  for (cursor.first(); !cursor.eof(); cursor.next()) printRecord(cursor, columns, out);
  return 0;
}

}  // namespace kestrin::cli
