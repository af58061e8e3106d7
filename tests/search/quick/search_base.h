// A crafted base for the quick search: four fonds, four inventories, five
// files, three documents and two former names, each found by a known search.
//
//   fonds    KOD 1 "1"  "Архив города" held, A109 "старые книги"
//            KOD 2 "12" "Завод" held, former name "Архивный завод"
//            KOD 3 "15" "архив" not held, no inventories
//            KOD 4 "р-12а" "Школа" held, former name "Школа-интернат"
//   inventories 101, 102 of fond 2 (held); 103 of fond 1 (not held); 104 of fond 4
//   files    1001 inv 101 "Приказы по заводу"; 1002 inv 103 "Приказы по архиву";
//            1003 inv 104 "Приказ школы" (L5 "о приёме"); 1004 inv 102 with every
//            delimiter; 1005 inv 101 "План работ", L1 "7"
//   documents "Указ 12 года", "Письмо", "Указ о школе"
#pragma once

#include <string>
#include <vector>

#include "archive/format/number_keys.h"
#include "archive/model/archive_tables.h"
#include "archive/model/record_key.h"
#include "browse/test_level_tables.h"
#include "demo/demo_schema.h"
#include "search/quick/level_search.h"

namespace kestrin::search::testing {

using browse::testing::TestRow;
using browse::testing::writeLevelTable;

// The text of file 1004: a quote, an apostrophe, brackets of both kinds.
inline const char* kDelimiterTitle = "Газета \"Заря\" ('1920') [x] конец";

inline void writeRenameTable(const std::string& folder, const std::vector<TestRow>& rows) {
  const auto layout = demo::demoFieldSpecs(archive::ArchiveCursor::Rename);
  std::vector<kestrin::testing::TestRecord> records;
  for (const TestRow& row : rows) {
    std::vector<dbf::FieldValue> record;
    for (const auto& field : layout) {
      const auto it = row.values.find(field.name);
      if (it == row.values.end()) {
        record.emplace_back();
      } else {
        record.emplace_back(text::utf8ToCp1251(std::get<std::string>(it->second)));
      }
    }
    records.push_back({record, false});
  }
  kestrin::testing::writeTable(
      folder + "/" + std::string(archive::archiveTable(archive::ArchiveCursor::Rename).tableFile), layout, records);
}

inline void writeSearchBase(const std::string& folder, int extraFiles = 0) {
  using archive::recordKey;
  const auto fond = [](int kod, const char* number, const char* name, long long held, const char* a109) {
    return TestRow{{{"KOD", recordKey(kod)},
                    {"FKOD", text::cp1251ToUtf8(archive::fondNumberKey(text::utf8ToCp1251(number)))},
                    {"FNAME", std::string(name)},
                    {"A100", held},
                    {"A109", std::string(a109)}}};
  };
  writeLevelTable(folder, archive::ArchiveCursor::Fond,
                  {fond(1, "1", "Архив города", 1, "старые книги"), fond(2, "12", "Завод", 1, ""),
                   fond(3, "15", "архив", 2, ""), fond(4, "р-12а", "Школа", 1, "")});
  const auto inventory = [](int kod, int fondKod, long long held) {
    return TestRow{{{"KOD", recordKey(kod)},
                    {"FOND", recordKey(fondKod)},
                    {"OKOD", archive::inventoryNumberKey(std::to_string(kod))},
                    {"ONAME", "Опись " + std::to_string(kod)},
                    {"G15", held}}};
  };
  writeLevelTable(folder, archive::ArchiveCursor::Opis,
                  {inventory(101, 2, 1), inventory(102, 2, 1), inventory(103, 1, 2), inventory(104, 4, 1)});
  const auto file = [](int kod, int opis, const char* number, const std::string& title, const char* l5) {
    return TestRow{{{"KOD", recordKey(kod)},
                    {"OPIS", recordKey(opis)},
                    {"L1", archive::fileNumberKey(number)},
                    {"L4", title},
                    {"L5", std::string(l5)}}};
  };
  std::vector<TestRow> files = {file(1001, 101, "1", "Приказы по заводу", ""),
                                file(1002, 103, "1", "Приказы по архиву", ""),
                                file(1003, 104, "1", "Приказ школы", "о приёме"),
                                file(1004, 102, "1", kDelimiterTitle, ""), file(1005, 101, "7", "План работ", "")};
  for (int i = 0; i < extraFiles; ++i) files.push_back(file(2000 + i, 101, "9", "Отчёт", ""));
  writeLevelTable(folder, archive::ArchiveCursor::Delo, files);
  const auto document = [](int kod, const char* title) {
    return TestRow{{{"KOD", recordKey(kod)}, {"DELO", recordKey(1001)}, {"T2", std::string(title)}}};
  };
  writeLevelTable(folder, archive::ArchiveCursor::Doc,
                  {document(1, "Указ 12 года"), document(2, "Письмо"), document(3, "Указ о школе")});
  writeRenameTable(folder, {TestRow{{{"FOND", recordKey(2)}, {"C2", std::string("Архивный завод")}}},
                            TestRow{{{"FOND", recordKey(4)}, {"C2", std::string("Школа-интернат")}}}});
}

// The level cursors and FOND3.DBF opened on `folder` as the program sets them up.
struct SearchTables {
  dbf::TableCursor fond, opis, delo, doc, rename;

  explicit SearchTables(const std::string& folder, bool withRename = true) {
    browse::testing::openLevel(fond, archive::ArchiveCursor::Fond, folder);
    browse::testing::openLevel(opis, archive::ArchiveCursor::Opis, folder);
    browse::testing::openLevel(delo, archive::ArchiveCursor::Delo, folder);
    browse::testing::openLevel(doc, archive::ArchiveCursor::Doc, folder);
    archive::setUpArchiveCursor(rename, archive::ArchiveCursor::Rename);
    rename.setDatabaseName(folder);
    if (withRename) archive::openArchiveCursor(rename, archive::ArchiveCursor::Rename);
  }
  SearchCursors cursors() { return {fond, opis, delo, doc, &rename}; }
};

}  // namespace kestrin::search::testing
