// The display columns of each level read from small tables through the
// level cursors, as a grid asks for them.
#include "archive/columns/level_columns.h"

#include <gtest/gtest.h>

#include <map>

#include "archive/model/archive_schema.h"
#include "archive/model/archive_tables.h"
#include "demo/demo_schema.h"
#include "support/cp1251_test_text.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::archive {
namespace {

using dbf::FieldSpec;
using dbf::FieldValue;
using kestrin::testing::TempDir;
using testing::cp;
using testing::utf8;

// Field values by name (text in UTF-8); the other fields stay blank.
using Values = std::map<std::string, FieldValue>;

FieldValue text(const char* utf8Text) { return cp(utf8Text); }

std::vector<FieldValue> recordOf(const std::vector<FieldSpec>& layout, const Values& values) {
  std::vector<FieldValue> record;
  for (const FieldSpec& field : layout) {
    const auto it = values.find(field.name);
    record.push_back(it == values.end() ? FieldValue{} : it->second);
  }
  return record;
}

struct LevelTable {
  ArchiveCursor cursor;
  Level level;
  std::vector<FieldSpec> layout;
};

LevelTable levelTable(Level level) {
  switch (level) {
    case Level::Fonds:
      return {ArchiveCursor::Fond, level, demo::fondFields()};
    case Level::Inventories:
      return {ArchiveCursor::Opis, level, demo::opisFields()};
    case Level::Files:
      return {ArchiveCursor::Delo, level, demo::deloFields()};
    case Level::Documents:
      break;
  }
  return {ArchiveCursor::Doc, level, demo::documFields()};
}

// A level cursor open on a table of `records` written in a fresh folder.
class OpenLevel {
 public:
  OpenLevel(Level level, const std::vector<Values>& records, std::vector<std::string> storageLines = {})
      : table_(levelTable(level)), places_(std::move(storageLines)) {
    std::vector<kestrin::testing::TestRecord> rows;
    for (const Values& values : records) rows.push_back({recordOf(table_.layout, values)});
    kestrin::testing::writeTable(dir_.file(std::string(archiveTable(table_.cursor).tableFile)), table_.layout, rows);
    setUpArchiveCursor(cursor_, table_.cursor);
    cursor_.setDatabaseName(dir_.path());
    openArchiveCursor(cursor_, table_.cursor);
  }

  dbf::TableCursor& cursor() { return cursor_; }
  StoragePlaces& places() { return places_; }
  LevelColumns columns() { return LevelColumns(cursor_, table_.level, &places_); }

  // Every column of the level for every record, "Name=text" in UTF-8.
  std::vector<std::vector<std::string>> listing() {
    const LevelColumns columns(cursor_, table_.level, &places_);
    std::vector<std::vector<std::string>> rows;
    for (cursor_.first(); !cursor_.eof(); cursor_.next()) {
      std::vector<std::string> row;
      for (DisplayColumn column : displayColumnsOf(table_.level)) {
        row.push_back(std::string(displayColumnName(column)) + "=" + utf8(columns.text(column)));
      }
      rows.push_back(row);
    }
    return rows;
  }

 private:
  TempDir dir_;
  LevelTable table_;
  StoragePlaces places_;
  dbf::TableCursor cursor_;
};

using Rows = std::vector<std::vector<std::string>>;

TEST(LevelColumns, Fonds) {
  OpenLevel fonds(Level::Fonds,
                  {
                      {{"KOD", std::string("      1")},
                       {"FKOD", text("Р-   12а")},
                       {"FNAME", text("Фонд \"Заря\" ( 1920-1925 )")},
                       {"A1", text("Товарищество  \"Заря\" N5")},
                       {"A4", 2LL},
                       {"A7", 1920LL},
                       {"A16", 1000LL},
                       {"A21", 200LL},
                       {"A26", 34LL},
                       {"A17", 5000LL}},  // not part of the total
                      {{"KOD", std::string("      2")}, {"FKOD", text("     7 ")}, {"A4", 11LL}, {"A9", 1925LL}},
                      // The same fond number again: the storage line is already taken.
                      {{"KOD", std::string("      3")}, {"FKOD", text("Р-   12а")}, {"A4", 0LL}},
                      {{"KOD", std::string("  10005")}, {"FKOD", text("     8 ")}, {"A7", 1920LL}, {"A9", 1920LL}},
                  },
                  {cp("7\tА-1"), cp("8\tБ-2"), cp("Р-   12а\tК-1, К-2")});
  EXPECT_EQ(fonds.listing(),
            (Rows{{"Num=Р-12А", "Cap=Фонд «Заря» (1920–1925)", "FullName=Товарищество «Заря» № 5", "Tip=л/п",
                   "Dates=1920", "Kol=1 234", "Hran=К-1, К-2", "FNAME=Фонд «Заря» ( 1920–1925 )"},
                  {"Num=7", "Cap=", "FullName=", "Tip=", "Dates=1925", "Kol=0", "Hran=А-1", "FNAME="},
                  {"Num=Р-12А", "Cap=", "FullName=", "Tip=", "Dates=б/д", "Kol=0", "Hran=", "FNAME="},
                  {"Num=8", "Cap=", "FullName=", "Tip=", "Dates=1920", "Kol=0", "Hran=Б-2", "FNAME="}}));
  // A repaint asks again: every fond keeps the place it got.
  EXPECT_EQ(fonds.listing()[0][6], "Hran=К-1, К-2");
  EXPECT_EQ(fonds.listing()[2][6], "Hran=");
  EXPECT_EQ(fonds.listing()[3][6], "Hran=Б-2");
}

TEST(LevelColumns, Inventories) {
  OpenLevel inventories(
      Level::Inventories,
      {
          {{"KOD", std::string("      1")},
           {"OKOD", text("  1  2")},
           {"ONAME", text("Опись дел N5\r\n\r\n")},
           {"G1", 6LL},
           {"G5", 1925LL}},
          {{"KOD", std::string("      2")}, {"OKOD", text(" 12а")}, {"G1", 1LL}, {"G3", 1920LL}, {"G5", 1925LL}},
          {{"KOD", std::string("      3")}},
      });
  EXPECT_EQ(inventories.listing(), (Rows{{"Num=1.2", "Cap=Опись дел № 5", "Tip=фото", "Dates=1925"},
                                         {"Num=12а", "Cap=", "Tip=упр.", "Dates=1920-1925"},
                                         {"Num=", "Cap=", "Tip=", "Dates=б/д"}}));
}

TEST(LevelColumns, Files) {
  OpenLevel files(
      Level::Files,
      {
          {{"L1", text("     45а  ")}, {"L4", text("Дело N5")}, {"L8", dbf::CivilDate{1920, 3, 5}}, {"L13", 11LL}},
          {{"L1", text("      46  ")},
           {"L4", text("Дело")},
           {"L5", text("Аннотация: \"Заря\"")},
           {"L8", dbf::CivilDate{1940, 1, 1}},
           {"L10", text("0.1920 - 0.1925")},
           {"L13", 6LL}},
          {{"L4", text("Дело")}, {"L5", text("\r\n")}, {"L10", text("1920-е")}},
          {{"L10", text("   ")}},
          {{"L10", text("5 мая 1920")}, {"L9", dbf::CivilDate{1925, 1, 1}}},
      });
  EXPECT_EQ(files.listing(), (Rows{{"Num=45А", "Cap=Дело № 5", "Tip=", "Dates=1920"},
                                   {"Num=46", "Cap=Аннотация: «Заря»", "Tip=фото", "Dates=1920-1925"},
                                   {"Num=", "Cap=Дело", "Tip=", "Dates=1920-е"},
                                   {"Num=", "Cap=", "Tip=", "Dates=н/д"},
                                   {"Num=", "Cap=", "Tip=", "Dates=1920"}}));
}

TEST(LevelColumns, Documents) {
  OpenLevel documents(Level::Documents, {
                                            {{"T2", text("Приказ N5")}, {"T3", text("Аннотация")}, {"T9", text("б/д")}},
                                            {{"T3", text("Письмо \"Заря\"")}, {"T8", dbf::CivilDate{1920, 5, 5}}},
                                            {{"T9", text("01.01.1920-31.12.1925")}, {"T8", dbf::CivilDate{1930, 5, 5}}},
                                            {},
                                        });
  EXPECT_EQ(documents.listing(), (Rows{{"Cap=Приказ № 5", "Date=б/д"},
                                       {"Cap=Письмо «Заря»", "Date=1920"},
                                       {"Cap=", "Date=1925"},
                                       {"Cap=", "Date=б/д"}}));
}

TEST(LevelColumns, ClosedCursorAndReopenedCursor) {
  OpenLevel fonds(Level::Fonds, {{{"KOD", std::string("      1")}, {"FKOD", text("    12 ")}, {"A7", 1920LL}}});
  const LevelColumns columns = fonds.columns();
  EXPECT_EQ(columns.text(DisplayColumn::Num), "12");
  fonds.cursor().close();
  EXPECT_EQ(columns.text(DisplayColumn::Num), "");
  EXPECT_EQ(columns.text(DisplayColumn::Dates), "");
  fonds.cursor().open();
  EXPECT_EQ(columns.text(DisplayColumn::Num), "12");
  EXPECT_EQ(columns.text(DisplayColumn::Dates), "1920");
}

TEST(LevelColumns, FilterCallbackSeesTheCandidateRecord) {
  OpenLevel files(Level::Files, {{{"L10", text("1920")}}, {{"L10", text("1921")}}, {{"L10", text("1920-е")}}});
  const LevelColumns columns = files.columns();
  files.cursor().setOnFilterRecord(
      [&](dbf::TableCursor&) { return columns.text(DisplayColumn::Dates).starts_with("1920"); });
  files.cursor().setFiltered(true);
  std::vector<std::string> shown;
  for (files.cursor().first(); !files.cursor().eof(); files.cursor().next()) {
    shown.push_back(utf8(columns.text(DisplayColumn::Dates)));
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"1920", "1920-е"}));
}

TEST(LevelColumns, DamagedNumberCountsAsZero) {
  TempDir dir;
  const auto layout = demo::fondFields();
  const std::string path = kestrin::testing::writeTable(
      dir.file("FOND.DBF"), layout,
      {{recordOf(layout, {{"KOD", std::string("      1")}, {"A16", 77777777LL}, {"A21", 5LL}, {"A4", 6LL}})}});
  std::string bytes = kestrin::testing::readFileBytes(path);
  const std::size_t at = bytes.find("77777777");
  ASSERT_NE(at, std::string::npos);
  bytes.replace(at, 8, "7x7_7?77");
  kestrin::testing::writeFileBytes(path, bytes);

  dbf::TableCursor cursor;
  setUpArchiveCursor(cursor, ArchiveCursor::Fond);
  cursor.setDatabaseName(dir.path());
  openArchiveCursor(cursor, ArchiveCursor::Fond);
  const LevelColumns columns(cursor, Level::Fonds);
  EXPECT_EQ(columns.text(DisplayColumn::Kol), "5");
  EXPECT_EQ(utf8(columns.text(DisplayColumn::Tip)), "фото");
  EXPECT_EQ(columns.text(DisplayColumn::Hran), "");  // no storage places given
}

TEST(LevelColumns, FollowAReopenWithAnotherLayout) {
  // Two document tables of the same two fields in opposite orders: a reopen
  // very likely rebuilds the cursor's field list at the same address.
  TempDir first;
  TempDir second;
  const dbf::FieldSpec t2{"T2", 'C', 10, 0};
  const dbf::FieldSpec other{"X", 'C', 10, 0};
  kestrin::testing::writeTable(first.file("T.DBF"), {t2, other}, {{{text("Устав"), text("Прочее")}}});
  kestrin::testing::writeTable(second.file("T.DBF"), {other, t2}, {{{text("Прочее"), text("Устав")}}});
  dbf::TableCursor cursor;
  cursor.setTableName("T");
  const LevelColumns columns(cursor, Level::Documents);
  std::vector<std::string> caps;
  for (const TempDir* dir : {&first, &second}) {
    cursor.setDatabaseName(dir->path());
    cursor.open();
    caps.push_back(utf8(columns.text(DisplayColumn::Cap)));
    cursor.close();
  }
  EXPECT_NE(caps[0].find("Устав"), std::string::npos) << caps[0];
  EXPECT_EQ(caps[1], caps[0]);
}

}  // namespace
}  // namespace kestrin::archive
