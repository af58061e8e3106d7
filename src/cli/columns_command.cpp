// kestrin-cli columns BASE LEVEL [--all] [--filter EXPR]: the display columns
// of one level, record by record, as the level's grid shows them after
// start-up.
#include <string>

#include "archive/columns/level_columns.h"
#include "archive/model/archive_schema.h"
#include "archive/model/archive_tables.h"
#include "archive/model/code_tables.h"
#include "archive/model/index_order.h"
#include "archive/model/storage_places.h"
#include "cli/command.h"
#include "cli/json_writer.h"
#include "cli/terminal_text.h"
#include "dbf/base/errors.h"
#include "dbf/cursor/field_binding.h"
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
      options.filter = optionValue(args, i);
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

// The filter the level has after start-up: only holdings present in the
// archive for fonds and inventories; none for files and documents.
std::string startupFilter(Level level) {
  if (level == Level::Fonds) return std::string(archive::kFondsPresentFilter);
  if (level == Level::Inventories) return std::string(archive::kInventoriesPresentFilter);
  return {};
}

// The stored fields each level's list shows beside its display columns.
std::vector<std::string_view> storedFields(Level level) {
  switch (level) {
    case Level::Fonds:
      return {"A5"};
    case Level::Inventories:
      return {"G7"};
    case Level::Files:
      return {"L11"};
    case Level::Documents:
      return {"T1", "T2"};
  }
  return {};
}

// The first value that could not be read, in the engine's words: the list
// goes on as the grid shows it, and the command ends with the fault.
struct ReadFault {
  std::string message;
  void note(const std::exception& error) {
    if (message.empty()) message = errorMessage(error);
  }
};

// A stored count as the grid shows it; a damaged number shows as 0.
std::int64_t storedInteger(const dbf::CursorField* field, ReadFault& fault) {
  try {
    return field ? field->asInteger() : 0;
  } catch (const dbf::EDbfError& error) {
    fault.note(error);
    return 0;
  }
}

std::string storedText(const dbf::CursorField* field, ReadFault& fault) {
  try {
    return field ? text::cp1251ToUtf8(field->asString()) : std::string();
  } catch (const dbf::EDbfError& error) {
    fault.note(error);
    return {};
  }
}

void printRecord(const dbf::TableCursor& cursor, const archive::LevelColumns& columns, const dbf::FieldBinding& stored,
                 ReadFault& fault, std::ostream& out) {
  auto shown = [&](DisplayColumn column) { return text::cp1251ToUtf8(columns.text(column)); };
  JsonLine line(out);
  line.integer("recno", cursor.recNo());
  switch (columns.level()) {
    case Level::Fonds:
      line.string("Num", shown(DisplayColumn::Num))
          .string("Cap", shown(DisplayColumn::Cap))
          .integer("A5", storedInteger(stored.field(0), fault))
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
          .integer("G7", storedInteger(stored.field(0), fault));
      break;
    case Level::Files:
      line.string("Num", shown(DisplayColumn::Num))
          .string("Cap", shown(DisplayColumn::Cap))
          .string("Tip", shown(DisplayColumn::Tip))
          .string("Dates", shown(DisplayColumn::Dates))
          .integer("L11", storedInteger(stored.field(0), fault));
      break;
    case Level::Documents:
      line.string("T1", storedText(stored.field(0), fault))
          .string("T2", storedText(stored.field(1), fault))
          .string("Date", shown(DisplayColumn::Date));
      break;
  }
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

  archive::StoragePlaces places(archive::loadStorageList(options.base));
  const archive::LevelColumns columns(cursor, options.level, &places);
  const dbf::FieldBinding stored(cursor, storedFields(options.level));
  ReadFault fault;
  for (cursor.first(); !cursor.eof(); cursor.next()) printRecord(cursor, columns, stored, fault, out);
  // Every row is listed as the grid shows it; what could not be read is told
  // once, and the exit status says the list is not whole.
  if (fault.message.empty()) fault.message = columns.firstReadFault();
  if (!fault.message.empty()) throw dbf::EDbfError(fault.message);
  return 0;
}

}  // namespace kestrin::cli
