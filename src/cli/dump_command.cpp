// kestrin-cli dump and count: the records of a table as the cursor shows them.
#include <cstdio>
#include <iostream>

#include "cli/command.h"
#include "cli/json_writer.h"
#include "cli/table_options.h"
#include "dbf/base/civil_date.h"
#include "text/cp1251_utf8.h"

namespace kestrin::cli {
namespace {

using dbf::CursorField;
using dbf::FieldType;

std::string dateJson(const dbf::CivilDate& d) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "\"%04d-%02d-%02d\"", d.year, d.month, d.day);
  return buffer;
}

std::string dateTimeJson(double ms) {
  const auto total = static_cast<long long>(ms);
  // Day 1 is 0001-01-01.
  const dbf::CivilDate d = dbf::civilFromDays(total / dbf::kMsPerDay - dbf::kDayOf18991230FromDayOne);
  const long long inDay = total % dbf::kMsPerDay;
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "\"%04d-%02d-%02dT%02lld:%02lld:%02lld.%03lld\"", d.year, d.month, d.day,
                inDay / dbf::kMsPerHour, inDay / dbf::kMsPerMinute % 60, inDay / dbf::kMsPerSecond % 60,
                inDay % dbf::kMsPerSecond);
  return buffer;
}

void writeValue(JsonLine& line, const CursorField& field) {
  const std::string& name = field.name();
  switch (field.type()) {
    case FieldType::String:
    case FieldType::Memo:
    case FieldType::Blob:
      if (field.isNull()) {
        line.null(name);
      } else {
        line.string(name, text::cp1251ToUtf8(field.asString()));
      }
      break;
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::LargeInt:
      line.integer(name, field.asInteger());
      break;
    case FieldType::Float:
    case FieldType::Currency:
      line.number(name, field.asFloat());
      break;
    case FieldType::Boolean:
      line.boolean(name, field.asBoolean());
      break;
    case FieldType::Date: {
      const auto date = field.asDate();
      date ? line.raw(name, dateJson(*date)) : line.null(name);
      break;
    }
    case FieldType::DateTime: {
      const double ms = field.asDateTimeMs();
      ms == 0 ? line.null(name) : line.raw(name, dateTimeJson(ms));
      break;
    }
  }
}

std::vector<const CursorField*> selectFields(const dbf::TableCursor& cursor, const std::vector<std::string>& names) {
  std::vector<const CursorField*> selected;
  if (names.empty()) {
    for (const auto& field : cursor.fields()) selected.push_back(&field);
    return selected;
  }
  std::vector<bool> wanted(cursor.fields().size(), false);
  for (const auto& name : names) {
    const CursorField& field = cursor.fieldByName(text::utf8ToCp1251(name));
    wanted[static_cast<std::size_t>(&field - cursor.fields().data())] = true;
  }
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    if (wanted[i]) selected.push_back(&cursor.fields()[i]);
  }
  return selected;
}

}  // namespace

int runDump(const Args& args, std::ostream& out) {
  const TableOptions options = parseTableOptions(args, true);
  auto cursor = openTableCursor(options);
  const auto fields = selectFields(*cursor, options.fields);
  for (cursor->first(); !cursor->eof(); cursor->next()) {
    JsonLine line(out);
    line.integer("recno", cursor->recNo());
    line.boolean("deleted", cursor->isDeleted());
    for (const auto* field : fields) writeValue(line, *field);
  }
  return 0;
}

int runCount(const Args& args, std::ostream& out) {
  const TableOptions options = parseTableOptions(args, false);
  auto cursor = openTableCursor(options);
  out << cursor->recordCount() << "\n";
  return 0;
}

}  // namespace kestrin::cli
