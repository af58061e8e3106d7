// Opening the tables of a base folder: which open, their start filters and
// orders, the progress texts, and index files that belong to another folder.
#include "app/base_tables.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "browse/test_level_tables.h"
#include "support/temp_dir.h"
#include "text/cp1251_utf8.h"

namespace kestrin::app {
namespace {

using browse::testing::TestRow;
using kestrin::testing::TempDir;

std::vector<TestRow> inventories() {
  return {{{{"KOD", std::string("1")}, {"G15", 1LL}}},
          {{{"KOD", std::string("2")}, {"G15", 2LL}}},
          {{{"KOD", std::string("3")}, {"G15", 1LL}}}};
}

TEST(BaseTables, OpensWhatExistsWithStartFilters) {
  TempDir dir;
  browse::testing::writeLevelTable(dir.path(), archive::ArchiveCursor::Fond,
                                   {{{{"A100", 1LL}}}, {{{"A100", 0LL}}}, {{{"A100", 1LL}}}});
  browse::testing::writeLevelTable(dir.path(), archive::ArchiveCursor::Opis, inventories());
  browse::testing::writeLevelTable(dir.path(), archive::ArchiveCursor::Delo, browse::testing::numberedFiles(4));
  BaseTables tables;
  std::vector<std::string> texts;
  openBaseTables(tables, dir.path() + "/", [&](std::string_view t) { texts.push_back(text::cp1251ToUtf8(t)); });
  EXPECT_EQ(texts,
            (std::vector<std::string>{"Загрузка: фонды...", "Загрузка: описи...", "Загрузка: дела...", "Загружено."}));
  EXPECT_EQ(tables.fond.recordCount(), 2);
  EXPECT_EQ(tables.fond.filter(), "A100=1");
  EXPECT_EQ(tables.opis.recordCount(), 2);
  EXPECT_TRUE(tables.opis.filtered());
  EXPECT_EQ(tables.delo.recordCount(), 4);
  EXPECT_FALSE(tables.doc.active());
  EXPECT_FALSE(tables.rename.active());
  EXPECT_FALSE(tables.temp.active());
  EXPECT_EQ(tables.fond.indexName(), "");  // no fond.cdx: record order

  // Opening again on an empty folder closes everything.
  TempDir empty;
  texts.clear();
  openBaseTables(tables, empty.path(), [&](std::string_view t) { texts.push_back(text::cp1251ToUtf8(t)); });
  EXPECT_EQ(texts, std::vector<std::string>{"Загружено."});
  EXPECT_FALSE(tables.fond.active());
  EXPECT_EQ(tables.fond.databaseName(), empty.path());
}

TEST(BaseTables, DamagedTableIsKeptAndTheOthersOpen) {
  TempDir dir;
  kestrin::testing::writeFileBytes(dir.file("FOND.DBF"), "not a table");
  browse::testing::writeLevelTable(dir.path(), archive::ArchiveCursor::Opis, inventories());
  browse::testing::writeLevelTable(dir.path(), archive::ArchiveCursor::Delo, browse::testing::numberedFiles(4));
  BaseTables tables;
  std::vector<std::string> texts;
  openBaseTables(tables, dir.path(), [&](std::string_view t) { texts.push_back(text::cp1251ToUtf8(t)); });
  EXPECT_FALSE(tables.fond.active());
  EXPECT_EQ(tables.opis.recordCount(), 2);  // the tables after the damaged one still open
  EXPECT_EQ(tables.delo.recordCount(), 4);
  ASSERT_EQ(tables.openFailures.size(), 1u);
  const OpenFailure& failure = tables.openFailures.front();
  EXPECT_EQ(failure.file, "FOND.DBF");
  EXPECT_FALSE(failure.indexOnly);
  EXPECT_FALSE(failure.message.empty());  // the engine's own words
  EXPECT_EQ(tables.tableFailure(tables.fond), &failure);
  EXPECT_EQ(tables.tableFailure(tables.opis), nullptr);
  const std::string text = "Таблица FOND.DBF повреждена или занята другой программой.";
  EXPECT_EQ(text::cp1251ToUtf8(openFailureText(failure)), text);
  EXPECT_EQ(texts.back(), text);  // not "Загружено."

  // Opening again forgets the failures of the last opening.
  TempDir empty;
  openBaseTables(tables, empty.path(), [](std::string_view) {});
  EXPECT_TRUE(tables.openFailures.empty());
}

TEST(BaseTables, DamagedIndexFallsBackToRecordOrderAndIsDroppedOnce) {
  BaseTables tables;
  tables.delo.setIndexFiles({"/base/DELO.CDX"});
  tables.fond.setIndexFiles({"/base/FOND.CDX"});
  const DroppedIndex first = dropDamagedIndex(tables, "Index file /base/DELO.CDX is corrupted");
  EXPECT_EQ(first.file, "DELO.CDX");
  EXPECT_TRUE(first.firstTime);
  EXPECT_TRUE(tables.delo.indexFiles().empty());
  EXPECT_EQ(tables.fond.indexFiles().size(), 1u);  // another list's good index stays
  EXPECT_TRUE(tables.damagedIndexes.contains("delo.cdx"));
  tables.delo.setIndexFiles({"/base/DELO.CDX"});
  EXPECT_FALSE(dropDamagedIndex(tables, "Index file /base/DELO.CDX is corrupted").firstTime);
  EXPECT_EQ(dropDamagedIndex(tables, "Index file /base/OTHER.CDX is corrupted").file, "");
  EXPECT_EQ(text::cp1251ToUtf8(openFailureText({"DELO.CDX", true, ""})),
            "Индексный файл DELO.CDX поврежден, список показан без сортировки.");
}

TEST(BaseTables, IndexFilesOfAnotherFolderAreDropped) {
  dbf::TableCursor files;
  files.setIndexFiles({"delo.cdx", "/old/base/delo.cdx", "/new/base/extra.cdx"});
  files.setIndexName("DELO");
  dropIndexFilesOfOtherFolders(files, "/new/base/");
  EXPECT_EQ(files.indexFiles(), (std::vector<std::string>{"delo.cdx", "/new/base/extra.cdx"}));
  dropIndexFilesOfOtherFolders(files, "/other");
  EXPECT_EQ(files.indexFiles(), std::vector<std::string>{"delo.cdx"});
  files.setIndexFiles({"/old/base/delo.cdx"});
  dropIndexFilesOfOtherFolders(files, "/new/base");
  EXPECT_TRUE(files.indexFiles().empty());
  EXPECT_EQ(files.indexName(), "");
}

}  // namespace
}  // namespace kestrin::app
