// Level tables of a few records for the browse tests, written with the
// layouts of the demo base; values by field name, text in UTF-8.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "archive/model/archive_schema.h"
#include "archive/model/archive_tables.h"
#include "demo/demo_schema.h"
#include "support/table_builder.h"
#include "text/cp1251_utf8.h"

namespace kestrin::browse::testing {

using Values = std::map<std::string, dbf::FieldValue>;

struct TestRow {
  Values values;
  bool deleted = false;
};

inline std::vector<dbf::FieldSpec> layoutOf(archive::ArchiveCursor which) {
  switch (which) {
    case archive::ArchiveCursor::Fond:
      return demo::fondFields();
    case archive::ArchiveCursor::Opis:
      return demo::opisFields();
    case archive::ArchiveCursor::Delo:
      return demo::deloFields();
    default:
      return demo::documFields();
  }
}

// Writes the table of `which` into `folder` (its file name as the program
// spells it) and returns its path.
inline std::string writeLevelTable(const std::string& folder, archive::ArchiveCursor which,
                                   const std::vector<TestRow>& rows) {
  const auto layout = layoutOf(which);
  std::vector<kestrin::testing::TestRecord> records;
  for (const TestRow& row : rows) {
    std::vector<dbf::FieldValue> record;
    for (const auto& field : layout) {
      const auto it = row.values.find(field.name);
      if (it == row.values.end()) {
        record.emplace_back();
      } else if (const auto* s = std::get_if<std::string>(&it->second)) {
        record.emplace_back(text::utf8ToCp1251(*s));
      } else {
        record.push_back(it->second);
      }
    }
    records.push_back({record, row.deleted});
  }
  return kestrin::testing::writeTable(folder + "/" + std::string(archive::archiveTable(which).tableFile), layout,
                                      records);
}

// `count` files numbered 1..count (L1), every record with `deletedEvery`
// deleted when it is not 0.
inline std::vector<TestRow> numberedFiles(int count, int deletedEvery = 0) {
  std::vector<TestRow> rows;
  for (int i = 1; i <= count; ++i) {
    TestRow row;
    row.values["KOD"] = std::to_string(i);
    row.values["L1"] = std::to_string(i);
    row.values["L4"] = "Дело " + std::to_string(i);
    row.values["L13"] = static_cast<long long>(i % 5);
    row.values["L21"] = i % 7 == 0;
    row.deleted = deletedEvery != 0 && i % deletedEvery == 0;
    rows.push_back(row);
  }
  return rows;
}

// A level cursor of `which` set up as the program does and open on `folder`.
inline void openLevel(dbf::TableCursor& cursor, archive::ArchiveCursor which, const std::string& folder) {
  archive::setUpArchiveCursor(cursor, which);
  cursor.setDatabaseName(folder);
  archive::openArchiveCursor(cursor, which);
}

}  // namespace kestrin::browse::testing
