// The rows of a grid known without walking: count, the record of any row and
// the row of any record agree with a walk of the cursor, in record order,
// through a filter and in tag order, on a table with deleted records.
#include "browse/cursor_row_map.h"

#include <gtest/gtest.h>

#include <functional>

#include "browse/test_level_tables.h"
#include "dbf/writer/cdx_writer.h"
#include "support/case_names.h"
#include "support/cursor_checks.h"
#include "support/temp_dir.h"

namespace kestrin::browse {
namespace {

using kestrin::testing::TempDir;

constexpr int kFiles = 1000;

// Files 1..1000, deleted: 1, every tenth (1000, the last, among them) and the run 500..520.
bool deletedFile(int n) { return n == 1 || n % 10 == 0 || (n >= 500 && n <= 520); }

// Tags on L1 (text, so "10" sorts before "2"); their FOR condition leaves
// files 3 and 4 out.
dbf::CdxTagInput numberTag(const char* name, bool descending) {
  dbf::CdxTagInput tag;
  tag.name = name;
  tag.keyExpression = "L1";
  tag.forExpression = "VAL(L1) <> 3 AND VAL(L1) <> 4";
  tag.keyLength = 10;
  tag.descending = descending;
  for (int n = 1; n <= kFiles; ++n) {
    if (n == 3 || n == 4) continue;
    std::string key = std::to_string(n);
    key.resize(10, ' ');
    tag.keys.push_back({key, static_cast<std::uint32_t>(n)});
  }
  return tag;
}

struct ViewCase {
  const char* name;
  std::function<void(dbf::TableCursor&)> narrow;
};

class CursorRowMapTest : public ::testing::TestWithParam<ViewCase> {
 protected:
  void SetUp() override {
    auto rows = testing::numberedFiles(kFiles);
    for (int n = 1; n <= kFiles; ++n) rows[static_cast<std::size_t>(n - 1)].deleted = deletedFile(n);
    testing::writeLevelTable(dir_.path(), archive::ArchiveCursor::Delo, rows);
    dbf::writeCdxFile(dir_.path() + "/DELO.CDX", {numberTag("UP", false), numberTag("DOWN", true)});
    testing::openLevel(cursor_, archive::ArchiveCursor::Delo, dir_.path());
    cursor_.setIndexFiles({"DELO.CDX"});
  }

  TempDir dir_;
  dbf::TableCursor cursor_;
};

TEST_P(CursorRowMapTest, AgreesWithAWalkOfTheCursor) {
  GetParam().narrow(cursor_);
  const std::vector<int> walk = kestrin::testing::forwardWalk(cursor_);
  cursor_.first();
  if (!walk.empty()) cursor_.next();  // the map leaves the cursor where it is

  CursorRowMap rows(cursor_);
  ASSERT_TRUE(rows.map());
  const int n = static_cast<int>(walk.size());
  ASSERT_EQ(rows.count(), n);
  if (n > 0) {
    EXPECT_EQ(rows.recNo(0), walk.front());
    EXPECT_EQ(rows.recNo(n / 2), walk[static_cast<std::size_t>(n / 2)]);
    EXPECT_EQ(rows.recNo(n - 1), walk.back());
    const int current = cursor_.recNo();
    cursor_.next();
    EXPECT_EQ(rows.rowOf(cursor_.recNo()), rows.rowOf(current) + 1) << "the cursor's own steps go on";
  }
  std::vector<int> shown;
  for (int row = 0; row < n; ++row) shown.push_back(rows.recNo(row));
  EXPECT_EQ(shown, walk);
  std::vector<int> expectedRowOf(kFiles + 2, -1);
  for (int row = 0; row < n; ++row) expectedRowOf[static_cast<std::size_t>(walk[static_cast<std::size_t>(row)])] = row;
  for (int recNo = 0; recNo <= kFiles + 1; ++recNo) {
    EXPECT_EQ(rows.rowOf(recNo), expectedRowOf[static_cast<std::size_t>(recNo)]) << "record " << recNo;
  }
}

void filterOn(dbf::TableCursor& cursor, const std::string& text) {
  cursor.setFilter(text);
  cursor.setFiltered(true);
}

INSTANTIATE_TEST_SUITE_P(
    Views, CursorRowMapTest,
    ::testing::Values(ViewCase{"record_order", [](dbf::TableCursor&) {}},
                      ViewCase{"record_order_deleted_shown", [](dbf::TableCursor& c) { c.setUseDeleted(true); }},
                      ViewCase{"filtered_without_text", [](dbf::TableCursor& c) { c.setFiltered(true); }},
                      ViewCase{"filter", [](dbf::TableCursor& c) { filterOn(c, "L13 = 2"); }},
                      ViewCase{"filter_matching_nothing", [](dbf::TableCursor& c) { filterOn(c, "L13 = 9"); }},
                      ViewCase{"tag_order", [](dbf::TableCursor& c) { c.setIndexName("UP"); }},
                      ViewCase{"descending_tag", [](dbf::TableCursor& c) { c.setIndexName("DOWN"); }},
                      ViewCase{"tag_order_deleted_shown",
                               [](dbf::TableCursor& c) {
                                 c.setUseDeleted(true);
                                 c.setIndexName("UP");
                               }},
                      ViewCase{"tag_order_and_filter",
                               [](dbf::TableCursor& c) {
                                 c.setIndexName("UP");
                                 filterOn(c, "L13 = 2 .OR. L13 = 3");
                               }}),
    kestrin::testing::labelled([](const ViewCase& c) { return std::string(c.name); }));

TEST_F(CursorRowMapTest, ARecordFilterCallbackIsNotMapped) {
  cursor_.setOnFilterRecord([](dbf::TableCursor& c) { return c.fieldByName("L13").asInteger() == 2; });
  cursor_.setFiltered(true);
  CursorRowMap rows(cursor_);
  EXPECT_FALSE(rows.map());
  EXPECT_FALSE(rows.mapped());
  EXPECT_EQ(rows.count(), 0);
  // Filtered off, the callback no longer narrows the view.
  cursor_.setFiltered(false);
  EXPECT_TRUE(rows.map());
  EXPECT_EQ(rows.count(), static_cast<int>(kestrin::testing::forwardWalk(cursor_).size()));
}

TEST_F(CursorRowMapTest, FollowsTheViewAsItChanges) {
  CursorRowMap rows(cursor_);
  ASSERT_TRUE(rows.map());
  const int all = rows.count();
  cursor_.setIndexName("UP");
  ASSERT_TRUE(rows.map());
  EXPECT_EQ(rows.count(), all - 2);  // files 3 and 4 are not in the tag
  EXPECT_EQ(rows.recNo(0), 101);     // "1", "10", "100" and "1000" are deleted
  EXPECT_EQ(rows.recNo(1), 102);
  cursor_.setIndexName("");
  filterOn(cursor_, "L13 = 1");
  ASSERT_TRUE(rows.map());
  EXPECT_EQ(rows.recNo(0), 6);
  cursor_.close();
  EXPECT_FALSE(rows.map());
  EXPECT_EQ(rows.count(), 0);
  cursor_.open();
  ASSERT_TRUE(rows.map());
  EXPECT_EQ(rows.recNo(0), 6);
}

}  // namespace
}  // namespace kestrin::browse
