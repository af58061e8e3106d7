#include "cli/level_rows.h"

#include "archive/model/storage_places.h"
#include "cli/json_writer.h"
#include "cli/terminal_text.h"
#include "dbf/base/errors.h"
#include "dbf/cursor/field_binding.h"
#include "text/cp1251_utf8.h"

namespace kestrin::cli {
namespace {

using archive::DisplayColumn;
using archive::Level;

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

void printLevelRows(dbf::TableCursor& cursor, Level level, const std::string& base, std::ostream& out) {
  archive::StoragePlaces places(archive::loadStorageList(base));
  const archive::LevelColumns columns(cursor, level, &places);
  const dbf::FieldBinding stored(cursor, storedFields(level));
  ReadFault fault;
  for (cursor.first(); !cursor.eof(); cursor.next()) printRecord(cursor, columns, stored, fault, out);
  // Every row is listed as the grid shows it; what could not be read is told
  // once, and the exit status says the list is not whole.
  if (fault.message.empty()) fault.message = columns.firstReadFault();
  if (!fault.message.empty()) throw dbf::EDbfError(fault.message);
}

}  // namespace kestrin::cli
