// Saved lists byte for byte: the four levels with their filter and order,
// the two file forms, and saves that fail or are stopped leaving no file.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "browse/export/list_file.h"
#include "browse/export/list_format.h"
#include "browse/test_level_tables.h"
#include "support/temp_dir.h"
#include "text/cp1251_utf8.h"

namespace kestrin::browse {
namespace {

using archive::ArchiveCursor;
using archive::Level;
using testing::openLevel;
using testing::TestRow;
using testing::writeLevelTable;
using text::utf8ToCp1251;

std::vector<TestRow> fonds() {
  // The second fond is not held; the first one's FNAME has straight quotes
  // that its display title turns into typographic ones.
  return {
      {{{"KOD", std::string("1")},
        {"FKOD", std::string("1")},
        {"FNAME", std::string("Завод \"Звезда\"")},
        {"A4", 1LL},
        {"A5", 3LL},
        {"A7", 1920LL},
        {"A9", 1930LL},
        {"A16", 12LL},
        {"A100", 1LL}}},
      {{{"KOD", std::string("2")}, {"FKOD", std::string("2")}, {"FNAME", std::string("Сдан")}, {"A100", 2LL}}},
      {{{"KOD", std::string("3")},
        {"FKOD", std::string("3")},
        {"FNAME", std::string("Горсовет")},
        {"A5", 1LL},
        {"A100", 1LL}}},
  };
}

struct ListCase {
  const char* name;
  ArchiveCursor table;
  std::vector<TestRow> rows;
  std::string filter;
  ListFormat format;
  std::string expected;  // UTF-8; turned into Windows-1251 for the text form
};

class ListExportTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(ListExportTest, WritesTheListAsShown) {
  const ListCase& c = GetParam();
  kestrin::testing::TempDir dir("kestrin-export");
  writeLevelTable(dir.path(), c.table, c.rows);
  dbf::TableCursor cursor;
  if (!c.filter.empty()) {
    cursor.setFilter(c.filter);
    cursor.setFiltered(true);
  }
  openLevel(cursor, c.table, dir.path());
  cursor.next();  // the save starts from the top whatever record is current
  std::ostringstream out;
  writeList({static_cast<Level>(c.table), cursor, nullptr}, c.format, out);
  const std::string expected = c.format == ListFormat::text ? utf8ToCp1251(c.expected) : c.expected;
  EXPECT_EQ(out.str(), expected);
  ASSERT_FALSE(cursor.eof());
  EXPECT_EQ(cursor.recNo(), 1);  // the list's first record afterwards
}

std::vector<TestRow> inventories() {
  return {{{{"KOD", std::string("1")},
            {"OKOD", std::string("1")},
            {"ONAME", std::string("Опись дел постоянного хранения")},
            {"G1", 2LL},
            {"G3", 1941LL},
            {"G5", 1945LL},
            {"G7", 140LL},
            {"G15", 1LL}}},
          {{{"KOD", std::string("2")}, {"OKOD", std::string("2")}, {"ONAME", std::string("Выбыла")}, {"G15", 2LL}}}};
}

std::vector<TestRow> files() {
  return {{{{"KOD", std::string("1")},
            {"L1", std::string("7")},
            {"L4", std::string("Переписка\tс \"Главком\",\r\nтом 1")},
            {"L11", 25LL}}},
          {{{"KOD", std::string("2")}, {"L1", std::string("8")}, {"L4", std::string("Приказы")}}}};
}

std::vector<TestRow> documents() {
  return {{{{"KOD", std::string("1")}, {"T1", std::string("1")}, {"T2", std::string("Письмо")}}}};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListExportTest,
    ::testing::Values(ListCase{"fonds_held_with_stored_name", ArchiveCursor::Fond, fonds(), "A100=1", ListFormat::text,
                               "№\tЗаголовок\tКол-во оп.\tТип\tДаты\tКол-во дел\r\n"
                               "1\tЗавод \"Звезда\"\t3\tупр.\t1920-1930\t12\r\n"
                               "3\tГорсовет\t1\t\tб/д\t0\r\n"},
                      ListCase{"fonds_all", ArchiveCursor::Fond, fonds(), "", ListFormat::text,
                               "№\tЗаголовок\tКол-во оп.\tТип\tДаты\tКол-во дел\r\n"
                               "1\tЗавод \"Звезда\"\t3\tупр.\t1920-1930\t12\r\n"
                               "2\tСдан\t0\t\tб/д\t0\r\n"
                               "3\tГорсовет\t1\t\tб/д\t0\r\n"},
                      ListCase{"inventories_held", ArchiveCursor::Opis, inventories(), "G15=1", ListFormat::text,
                               "№\tЗаголовок\tТип\tДаты\tКол-во дел\r\n"
                               "1\tОпись дел постоянного хранения\tл/п\t1941-1945\t140\r\n"},
                      ListCase{"files_breaks_become_blanks", ArchiveCursor::Delo, files(), "", ListFormat::text,
                               "№\tЗаголовок\tТип\tДаты\tКол-во листов\r\n"
                               "7\tПереписка с «Главком», том 1\t\tн/д\t25\r\n"
                               "8\tПриказы\t\tн/д\t0\r\n"},
                      ListCase{"files_csv_quoted", ArchiveCursor::Delo, files(), "", ListFormat::csv,
                               "\xEF\xBB\xBF№,Заголовок,Тип,Даты,Кол-во листов\r\n"
                               "7,\"Переписка\tс «Главком»,\r\nтом 1\",,н/д,25\r\n"
                               "8,Приказы,,н/д,0\r\n"},
                      ListCase{"documents", ArchiveCursor::Doc, documents(), "", ListFormat::text,
                               "№\tЗаголовок\tДата\r\n"
                               "1\tПисьмо\tб/д\r\n"},
                      ListCase{"fonds_csv_quotes_doubled", ArchiveCursor::Fond, fonds(), "A100=1", ListFormat::csv,
                               "\xEF\xBB\xBF№,Заголовок,Кол-во оп.,Тип,Даты,Кол-во дел\r\n"
                               "1,\"Завод \"\"Звезда\"\"\",3,упр.,1920-1930,12\r\n"
                               "3,Горсовет,1,,б/д,0\r\n"}),
    [](const auto& p) { return std::string(p.param.name); });

class ListSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    writeLevelTable(dir_.path(), ArchiveCursor::Delo, testing::numberedFiles(10000));
    openLevel(cursor_, ArchiveCursor::Delo, dir_.path());
  }
  ListSource source() { return {Level::Files, cursor_, nullptr}; }

  kestrin::testing::TempDir dir_{"kestrin-save"};
  dbf::TableCursor cursor_;
};

TEST_F(ListSaveTest, SavedFileTakesTheTargetsPlace) {
  const std::string target = dir_.file("Дела.txt");
  kestrin::testing::writeFileBytes(target, "earlier");
  std::int64_t lastDone = 0;
  saveList(source(), ListFormat::text, target, [&](std::int64_t done, std::int64_t total) {
    EXPECT_EQ(total, 10000);
    lastDone = done;
    return true;
  });
  EXPECT_EQ(lastDone, 10000);
  const std::string bytes = kestrin::testing::readFileBytes(target);
  EXPECT_EQ(bytes.substr(0, 3), utf8ToCp1251("№\tЗ"));
  EXPECT_FALSE(std::filesystem::exists(partialListPath(target)));
}

TEST_F(ListSaveTest, CancelledSaveLeavesNoFile) {
  const std::string target = dir_.file("Дела.txt");
  EXPECT_THROW(saveList(source(), ListFormat::text, target, [](std::int64_t, std::int64_t) { return false; }),
               ListSaveCancelled);
  EXPECT_FALSE(std::filesystem::exists(target));
  EXPECT_FALSE(std::filesystem::exists(partialListPath(target)));
  EXPECT_EQ(cursor_.recNo(), 1);
}

TEST_F(ListSaveTest, CancelledSaveKeepsTheEarlierFile) {
  const std::string target = dir_.file("Дела.csv");
  kestrin::testing::writeFileBytes(target, "earlier");
  EXPECT_THROW(saveList(source(), ListFormat::csv, target, [](std::int64_t, std::int64_t) { return false; }),
               ListSaveCancelled);
  EXPECT_EQ(kestrin::testing::readFileBytes(target), "earlier");
}

TEST_F(ListSaveTest, FolderThatCannotTakeTheFile) {
  const std::string target = dir_.file("missing/Дела.txt");
  try {
    saveList(source(), ListFormat::text, target);
    FAIL() << "saved into a missing folder";
  } catch (const ListSaveError& error) {
    EXPECT_EQ(error.kind(), ListSaveError::Kind::create);
    EXPECT_NE(std::string(error.what()).find(target), std::string::npos) << error.what();
  }
  EXPECT_FALSE(std::filesystem::exists(partialListPath(target)));
}

TEST_F(ListSaveTest, WriteErrorLeavesNoFile) {
  // A file size limit makes the writes fail as a full disk does.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::string target = dir_.file("Дела.txt");
  ListSaveError::Kind kind = ListSaveError::Kind::read;
  try {
    saveList(source(), ListFormat::text, target);
  } catch (const ListSaveError& error) {
    kind = error.kind();
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_EQ(kind, ListSaveError::Kind::write);
  EXPECT_FALSE(std::filesystem::exists(target));
  EXPECT_FALSE(std::filesystem::exists(partialListPath(target)));
  EXPECT_EQ(cursor_.recNo(), 1);
}

}  // namespace
}  // namespace kestrin::browse
