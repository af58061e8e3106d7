// A crafted base for the advanced search: level tables, former names,
// keyword tables and the rubricator, with the tables named in `omit` left
// out.
//
//   fonds       KOD 1..4; FNAME of 1 "Старый архив"
//   FOND3       fond 3 formerly "Губернский архив"
//   persona1    fond 4 "Иванов" twice, fond 2 "иванов"; tematik1 fond 1
//               "Иванову"; geograf1 fond 2 "Москва"
//   persona2    file 1002 "Иванов"
//   inventories KOD 101 and 102 (fond 1), 103 (fond 2)
//   RUBRIKA2    101 "Сельское хозяйство", 102 "Сельское строительство",
//               999 (no such inventory) "Сельские школы", 103 "Промышленность"
//   files       1001 (101), 1002 (102), 1003 (103), 1004 (101); L8..L9
//               1990-1995, 2000-06-15..2001, 1980-1985, 1999-12-31..2000-01-01
//   documents   T8 1999-12-31, 2000-01-01, 2000-06-15, 2000-12-31, 2001-01-01
#pragma once

#include <set>
#include <string>
#include <vector>

#include "archive/model/archive_tables.h"
#include "archive/model/record_key.h"
#include "browse/test_level_tables.h"
#include "dbf/base/file_name.h"
#include "demo/demo_schema.h"
#include "search/advanced/advanced_search.h"
#include "support/table_builder.h"

namespace kestrin::search::testing {

using browse::testing::TestRow;
using browse::testing::writeLevelTable;

inline void writeAuxiliary(const std::string& folder, const std::string& file, archive::ArchiveCursor which,
                           const std::vector<std::vector<dbf::FieldValue>>& rows) {
  std::vector<kestrin::testing::TestRecord> records;
  for (const auto& row : rows) {
    std::vector<dbf::FieldValue> values;
    for (const auto& v : row) {
      if (const auto* s = std::get_if<std::string>(&v)) {
        values.emplace_back(kestrin::testing::cp(s->c_str()));
      } else {
        values.push_back(v);
      }
    }
    records.push_back({values, false});
  }
  kestrin::testing::writeTable(folder + "/" + file, demo::demoFieldSpecs(which), records);
}

inline void writeAdvancedBase(const std::string& folder, const std::set<std::string>& omit = {}) {
  using archive::ArchiveCursor;
  using archive::recordKey;
  const auto key = [](int k) { return recordKey(k); };
  writeLevelTable(folder, ArchiveCursor::Fond,
                  {{{{"KOD", key(1)}, {"FNAME", std::string("Старый архив")}, {"A100", 1LL}}},
                   {{{"KOD", key(2)}, {"FNAME", std::string("Фонд два")}, {"A100", 1LL}}},
                   {{{"KOD", key(3)}, {"FNAME", std::string("Фонд три")}, {"A100", 2LL}}},
                   {{{"KOD", key(4)}, {"FNAME", std::string("Фонд четыре")}, {"A100", 1LL}}}});
  if (!omit.contains("FOND3.DBF")) {
    writeAuxiliary(folder, "FOND3.DBF", ArchiveCursor::Rename,
                   {{key(3), std::string(), std::string("Губернский архив")}});
  }
  const auto keyword = [&](const char* file, std::vector<std::pair<int, const char*>> rows) {
    if (omit.contains(file)) return;
    std::vector<std::vector<dbf::FieldValue>> values;
    for (const auto& [k, word] : rows) values.push_back({key(k), std::string(word)});
    writeAuxiliary(folder, file, ArchiveCursor::Temp, values);
  };
  keyword("PERSONA1.DBF", {{4, "Иванов"}, {4, "Иванов"}, {2, "иванов"}});
  keyword("GEOGRAF1.DBF", {{2, "Москва"}});
  keyword("TEMATIK1.DBF", {{1, "Иванову"}});
  keyword("PERSONA2.DBF", {{1002, "Иванов"}});
  keyword("GEOGRAF2.DBF", {});
  keyword("TEMATIK2.DBF", {});
  writeLevelTable(folder, ArchiveCursor::Opis,
                  {{{{"KOD", key(101)}, {"FOND", key(1)}, {"G15", 1LL}}},
                   {{{"KOD", key(102)}, {"FOND", key(1)}, {"G15", 1LL}}},
                   {{{"KOD", key(103)}, {"FOND", key(2)}, {"G15", 2LL}}}});
  if (!omit.contains("RUBRIKA2.DBF")) {
    std::vector<std::vector<dbf::FieldValue>> rubrics;
    const std::pair<int, const char*> rows[] = {
        {101, "Сельское хозяйство"}, {102, "Сельское строительство"}, {999, "Сельские школы"}, {103, "Промышленность"}};
    for (const auto& [k, text] : rows) rubrics.push_back({key(k), 1LL, 1LL, 1LL, std::string(text)});
    writeAuxiliary(folder, "RUBRIKA2.DBF", ArchiveCursor::Rubr, rubrics);
  }
  const auto d = [](int y, int m, int day) { return dbf::FieldValue(dbf::CivilDate{y, m, day}); };
  const auto file = [&](int k, int opis, dbf::FieldValue from, dbf::FieldValue to) {
    return TestRow{{{"KOD", key(k)}, {"OPIS", key(opis)}, {"L4", std::string("Дело")}, {"L8", from}, {"L9", to}}};
  };
  writeLevelTable(folder, ArchiveCursor::Delo,
                  {file(1001, 101, d(1990, 1, 1), d(1995, 1, 1)), file(1002, 102, d(2000, 6, 15), d(2001, 1, 1)),
                   file(1003, 103, d(1980, 1, 1), d(1985, 1, 1)), file(1004, 101, d(1999, 12, 31), d(2000, 1, 1))});
  std::vector<TestRow> documents;
  int k = 1;
  for (const auto& date : {d(1999, 12, 31), d(2000, 1, 1), d(2000, 6, 15), d(2000, 12, 31), d(2001, 1, 1)}) {
    documents.push_back({{{"KOD", key(k++)}, {"DELO", key(1001)}, {"T8", date}, {"T2", std::string("Документ")}}});
  }
  writeLevelTable(folder, ArchiveCursor::Doc, documents);
}

// The cursors of the program on the crafted base, opened as at start.
struct AdvancedCursors {
  dbf::TableCursor fond, opis, delo, doc, rename, temp, rubr;

  explicit AdvancedCursors(const std::string& folder) {
    using archive::ArchiveCursor;
    browse::testing::openLevel(fond, ArchiveCursor::Fond, folder);
    browse::testing::openLevel(opis, ArchiveCursor::Opis, folder);
    browse::testing::openLevel(delo, ArchiveCursor::Delo, folder);
    browse::testing::openLevel(doc, ArchiveCursor::Doc, folder);
    for (auto [cursor, which] : {std::pair{&rename, ArchiveCursor::Rename}, std::pair{&temp, ArchiveCursor::Temp},
                                 std::pair{&rubr, ArchiveCursor::Rubr}}) {
      archive::setUpArchiveCursor(*cursor, which);
      cursor->setDatabaseName(folder);
    }
    if (dbf::fileExistsNoCase(folder, "FOND3.DBF")) rename.open();
  }

  AdvancedSearchTables tables() { return {fond, opis, delo, doc, rename, temp, rubr}; }
};

// The KOD values (trimmed) of the visible records, in order.
inline std::vector<std::string> visibleKeys(dbf::TableCursor& cursor) {
  std::vector<std::string> keys;
  for (cursor.first(); !cursor.eof(); cursor.next()) {
    std::string k = cursor.fieldByName("KOD").asString();
    keys.push_back(k.substr(k.find_first_not_of(' ')));
  }
  return keys;
}

}  // namespace kestrin::search::testing
