// A crafted base for the card tests: three fonds, inventories, files and
// documents with the cases the cards must get right (renamings, totals,
// storage places, volumes, photo characteristics, dates, broken links), plus
// the renaming, topography and photo tables and Hran.txt. Text in UTF-8.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "archive/model/archive_tables.h"
#include "archive/model/record_key.h"
#include "demo/demo_schema.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"
#include "text/cp1251_utf8.h"

namespace kestrin::browse::testing {

using CardValues = std::map<std::string, dbf::FieldValue>;

// Writes the table of `which` with the given records (UTF-8 strings become
// Windows-1251); fields left out are blank.
inline void writeCardTable(const std::string& folder, archive::ArchiveCursor which,
                           const std::vector<CardValues>& records) {
  const auto layout = demo::demoFieldSpecs(which);
  std::vector<kestrin::testing::TestRecord> rows;
  for (const CardValues& values : records) {
    kestrin::testing::TestRecord row;
    for (const auto& field : layout) {
      const auto it = values.find(field.name);
      if (it == values.end()) {
        row.values.emplace_back();
      } else if (const auto* s = std::get_if<std::string>(&it->second)) {
        row.values.emplace_back(text::utf8ToCp1251(*s));
      } else {
        row.values.push_back(it->second);
      }
    }
    rows.push_back(row);
  }
  kestrin::testing::writeTable(folder + "/" + std::string(archive::archiveTable(which).tableFile), layout, rows);
}

inline dbf::FieldValue key(int n) { return archive::recordKey(n); }

inline void writeCardBase(const std::string& folder) {
  using archive::ArchiveCursor;
  using dbf::CivilDate;
  writeCardTable(folder, ArchiveCursor::Fond,
                 {
                     // Totals that differ, renamings, storage from the topography of inventory 1.
                     {{"KOD", key(1)},
                      {"FKOD", std::string("     12 ")},
                      {"FNAME", std::string("Фонд \"Заря\"")},
                      {"A1", std::string("Колхоз \"Заря\" Ярославского района")},
                      {"A4", 1LL},
                      {"A5", 2LL},
                      {"A7", 1920LL},
                      {"A9", 1925LL},
                      {"A16", 1200LL},
                      {"A22", 34LL},
                      {"A32", 1200LL},
                      {"A100", 1LL},
                      {"A109", std::string("Создан в 1920 г.\r\nЛиквидирован в 1925 г.  \r\n")}},
                     // Personal origin: renamings not read; totals equal; storage from Hran.txt.
                     {{"KOD", key(2)},
                      {"FKOD", std::string("р-    7 ")},
                      {"FNAME", std::string("Иванов И.И.")},
                      {"A1", std::string("Иванов Иван Иванович")},
                      {"A4", 2LL},
                      {"A16", 5LL},
                      {"A32", 5LL},
                      {"A39", 1500LL},
                      {"A100", 1LL},
                      {"A110", std::string("Письма \"с фронта\"")}},
                     // No storage place anywhere.
                     {{"KOD", key(3)}, {"FKOD", std::string("     13 ")}, {"FNAME", std::string("Артель")}},
                 });
  writeCardTable(folder, ArchiveCursor::Opis,
                 {
                     {{"KOD", key(1)},
                      {"FOND", key(1)},
                      {"OKOD", std::string("   12  3")},
                      {"ONAME", std::string("Опись дел N1")},
                      {"G1", 1LL},
                      {"G3", 1920LL},
                      {"G5", 1925LL},
                      {"G7", 40LL},
                      {"G15", 1LL},
                      {"G45", std::string("Предисловие к \"описи\"")}},
                     {{"KOD", key(2)}, {"FOND", key(2)}, {"OKOD", std::string("   12")}, {"G15", 1LL}},
                     // Its fond is not in the base.
                     {{"KOD", key(3)}, {"FOND", key(99)}, {"OKOD", std::string("    5")}},
                 });
  writeCardTable(folder, ArchiveCursor::Delo,
                 {
                     // Photographs with characteristics whose colour code is unknown.
                     {{"KOD", key(1)},
                      {"OPIS", key(1)},
                      {"L1", std::string("      45  ")},
                      {"L4", std::string("Дело N5")},
                      {"L10", std::string("1920-1925")},
                      {"L11", 120LL},
                      {"L13", 6LL}},
                     // Photographs without a DELO5 record; only L8 set.
                     {{"KOD", key(2)},
                      {"OPIS", key(2)},
                      {"L1", std::string("      46  ")},
                      {"L4", std::string("Фотографии")},
                      {"L8", CivilDate{1920, 3, 5}},
                      {"L13", 6LL}},
                     // Dates from L8 and L9.
                     {{"KOD", key(3)},
                      {"OPIS", key(1)},
                      {"L1", std::string("      47  ")},
                      {"L4", std::string("Приказы")},
                      {"L8", CivilDate{1920, 3, 5}},
                      {"L9", CivilDate{1921, 1, 2}},
                      {"L11", 7LL},
                      {"L13", 1LL}},
                     // Its inventory is not in the base.
                     {{"KOD", key(4)}, {"OPIS", key(77)}, {"L1", std::string("      48  ")}},
                 });
  writeCardTable(folder, ArchiveCursor::Doc,
                 {
                     {{"KOD", key(1)},
                      {"DELO", key(1)},
                      {"T1", std::string("1")},
                      {"T2", std::string("Приказ \"О заготовках\"")},
                      {"T9", std::string("5 мая 1920")}},
                     {{"KOD", key(2)}, {"DELO", key(3)}, {"T1", std::string("2")}, {"T8", CivilDate{1921, 1, 2}}},
                     // Its file is not in the base.
                     {{"KOD", key(3)}, {"DELO", key(55)}, {"T1", std::string("3")}},
                     {{"KOD", key(4)}, {"DELO", key(2)}, {"T1", std::string("4")}},
                 });
  writeCardTable(
      folder, ArchiveCursor::Rename,
      {
          {{"FOND", key(1)},
           {"C1", std::string("Коммуна \"Заря\"")},
           {"C2", std::string("Коммуна")},
           {"C3", CivilDate{1920, 1, 5}},
           {"C5", CivilDate{1922, 6, 1}}},
          // The same block again: shown once.
          {{"FOND", key(1)},
           {"C1", std::string("Коммуна \"Заря\"")},
           {"C2", std::string("Коммуна")},
           {"C3", CivilDate{1920, 1, 5}},
           {"C5", CivilDate{1922, 6, 1}}},
          {{"FOND", key(2)}, {"C1", std::string("Не читается")}},
          {{"FOND", key(1)}, {"C1", std::string("Артель")}, {"C2", std::string("Арт.")}, {"C5", CivilDate{1923, 2, 1}}},
      });
  writeCardTable(folder, ArchiveCursor::Top,
                 {{{"OPIS", key(3)}, {"H3", std::string("Т-3")}}, {{"OPIS", key(1)}, {"H3", std::string("К-7")}}});
  writeCardTable(folder, ArchiveCursor::DeloPhoto,
                 {{{"DELO", key(1)}, {"O1", std::string("Ярославль")}, {"O6", 4LL}, {"O7", std::string("9x12")}}});
  kestrin::testing::writeFileBytes(folder + "/Hran.txt", text::utf8ToCp1251("12\tА-1\r\nр-    7\tА-1, А-2\r\n"));
}

}  // namespace kestrin::browse::testing
