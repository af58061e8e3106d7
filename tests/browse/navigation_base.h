// A crafted base for the navigation tests: five fonds, seven inventories,
// six files and four documents whose references make every drill-down and
// cross-navigation show a known set of records, with delo.cdx (tag DELO,
// OPIS+L1) and docum.cdx (tag DELO).
//
//   fonds        1 KOD 5 "Р- 1" held, 3 inventories    2 KOD 7 "Р-  25" held
//                3 KOD 12 not held                      4 KOD 13 held, A5 = 0
//                5 KOD "12а" (not a number)
//   inventories  FOND 5, 5, 7, 5 held (1-4); FOND 12 not held (5, 6); FOND 5 not held (7)
//   files        OPIS 101 (1, 2, 4), 103 (3, 6), blank (5); L1 of 1, 2, 4 is 3, 1, 2
//   documents    DELO 1001 (1, 2, 4), 1002 (3)
#pragma once

#include <string>
#include <vector>

#include "archive/model/record_key.h"
#include "browse/test_level_tables.h"
#include "dbf/writer/cdx_writer.h"

namespace kestrin::browse::testing {

inline dbf::CivilDate date(int year, int month, int day) { return {year, month, day}; }

inline void writeNavigationBase(const std::string& folder) {
  using archive::ArchiveCursor;
  using archive::recordKey;
  const auto fond = [](std::string kod, const char* number, long long held, long long inventories) {
    return TestRow{{{"KOD", kod},
                    {"FKOD", std::string(number)},
                    {"FNAME", "Фонд " + std::string(number)},
                    {"A100", held},
                    {"A5", inventories}}};
  };
  writeLevelTable(folder, ArchiveCursor::Fond,
                  {fond(recordKey(5), "Р- 1", 1, 3), fond(recordKey(7), "Р-  25", 1, 1),
                   fond(recordKey(12), "12", 2, 2), fond(recordKey(13), "13", 1, 0), fond("   12а", "14", 1, 1)});

  const auto inventory = [](int kod, int fondKod, long long held) {
    return TestRow{{{"KOD", archive::recordKey(kod)},
                    {"FOND", archive::recordKey(fondKod)},
                    {"OKOD", std::to_string(kod)},
                    {"G15", held}}};
  };
  writeLevelTable(folder, ArchiveCursor::Opis,
                  {inventory(101, 5, 1), inventory(102, 5, 1), inventory(103, 7, 1), inventory(104, 5, 1),
                   inventory(121, 12, 2), inventory(122, 12, 3), inventory(105, 5, 2)});

  struct File {
    int kod;
    std::string opis;
    const char* number;
    dbf::FieldValue start, end;
  };
  const std::vector<File> files = {
      {1001, recordKey(101), "3", date(1950, 1, 1), date(1960, 12, 31)},
      {1002, recordKey(101), "1", date(1940, 1, 1), date(1945, 12, 31)},
      {1003, recordKey(103), "2", {}, {}},
      {1004, recordKey(101), "2", date(1961, 1, 1), date(1965, 1, 1)},
      {1005, "", "5", date(1950, 1, 1), date(1950, 1, 1)},
      {1006, recordKey(103), "1", {}, date(1960, 6, 1)},
  };
  std::vector<TestRow> fileRows;
  dbf::CdxTagInput deloTag;
  deloTag.name = "DELO";
  deloTag.keyExpression = "OPIS+L1";
  deloTag.keyLength = 17;
  for (std::size_t i = 0; i < files.size(); ++i) {
    const File& f = files[i];
    fileRows.push_back(
        {{{"KOD", recordKey(f.kod)}, {"OPIS", f.opis}, {"L1", std::string(f.number)}, {"L8", f.start}, {"L9", f.end}}});
    std::string opis = f.opis;
    opis.resize(7, ' ');
    deloTag.keys.push_back({opis + f.number, static_cast<std::uint32_t>(i + 1)});
  }
  writeLevelTable(folder, ArchiveCursor::Delo, fileRows);
  dbf::writeCdxFile(folder + "/DELO.CDX", {deloTag});

  const std::vector<std::pair<int, dbf::FieldValue>> documents = {
      {1001, date(1955, 1, 1)}, {1001, date(1970, 1, 1)}, {1002, {}}, {1001, date(1954, 12, 31)}};
  std::vector<TestRow> documentRows;
  dbf::CdxTagInput docTag;
  docTag.name = docTag.keyExpression = "DELO";
  docTag.keyLength = 7;
  for (std::size_t i = 0; i < documents.size(); ++i) {
    const std::string delo = recordKey(documents[i].first);
    documentRows.push_back(
        {{{"KOD", recordKey(static_cast<int>(i) + 1)}, {"DELO", delo}, {"T8", documents[i].second}}});
    docTag.keys.push_back({delo, static_cast<std::uint32_t>(i + 1)});
  }
  writeLevelTable(folder, ArchiveCursor::Doc, documentRows);
  dbf::writeCdxFile(folder + "/DOCUM.CDX", {docTag});
}

}  // namespace kestrin::browse::testing
