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

TEST(BaseTables, DamagedTableReachesTheCaller) {
  TempDir dir;
  kestrin::testing::writeFileBytes(dir.file("FOND.DBF"), "not a table");
  BaseTables tables;
  EXPECT_ANY_THROW(openBaseTables(tables, dir.path(), [](std::string_view) {}));
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
