// The rows of a grid are the cursor's visible records in its order, walked in
// batches without moving the cursor.
#include "browse/cursor_rows.h"

#include <gtest/gtest.h>

#include "browse/test_level_tables.h"
#include "support/case_names.h"
#include "support/temp_dir.h"

namespace kestrin::browse {
namespace {

using kestrin::testing::TempDir;

std::vector<int> cursorWalk(dbf::TableCursor& cursor) {
  std::vector<int> seen;
  for (cursor.first(); !cursor.eof(); cursor.next()) seen.push_back(cursor.recNo());
  return seen;
}

std::vector<int> rowsOf(const CursorRows& rows) {
  std::vector<int> seen;
  for (int i = 0; i < rows.count(); ++i) seen.push_back(rows.recNo(i));
  return seen;
}

class CursorRowsTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    testing::writeLevelTable(dir_.path(), archive::ArchiveCursor::Delo, testing::numberedFiles(300, 11));
    testing::openLevel(cursor_, archive::ArchiveCursor::Delo, dir_.path());
    // Every third file is left out by the level's per-record callback.
    cursor_.setOnFilterRecord([](dbf::TableCursor& c) { return c.fieldByName("L1").asInteger() % 3 != 0; });
    cursor_.setFiltered(true);
  }

  TempDir dir_;
  dbf::TableCursor cursor_;
};

TEST_P(CursorRowsTest, BatchesTogetherAreTheCursorsWalk) {
  const std::vector<int> expected = cursorWalk(cursor_);
  ASSERT_EQ(expected.size(), 300u - 100u - (27u - 9u));  // filtered out, then deleted ones left

  cursor_.first();
  cursor_.next();
  cursor_.next();
  const int current = cursor_.recNo();

  CursorRows rows(cursor_);
  const int batch = GetParam();
  int calls = 0;
  while (!rows.atEnd()) {
    const int before = rows.count();
    const int added = rows.fetch(batch);
    EXPECT_LE(added, batch);
    EXPECT_EQ(rows.count(), before + added);
    ASSERT_LT(++calls, 1000);
  }
  EXPECT_EQ(rowsOf(rows), expected);
  EXPECT_EQ(rows.fetch(batch), 0);

  // The cursor neither moved nor lost its place for its own steps.
  EXPECT_EQ(cursor_.recNo(), current);
  cursor_.next();
  EXPECT_EQ(cursor_.recNo(), expected[3]);
  cursor_.prior();
  cursor_.prior();
  EXPECT_EQ(cursor_.recNo(), expected[1]);
}

INSTANTIATE_TEST_SUITE_P(BatchSizes, CursorRowsTest, ::testing::Values(1, 7, 256, 100000),
                         kestrin::testing::labelled([](int batch) { return "batch_" + std::to_string(batch); }));

TEST_F(CursorRowsTest, WalkAnnouncesBeforeItAppends) {
  CursorRows rows(cursor_);
  RowBatch batch = rows.walk(5);
  EXPECT_EQ(rows.count(), 0);
  EXPECT_EQ(batch.recNos.size(), 5u);
  EXPECT_FALSE(batch.reachedEnd);
  rows.append(std::move(batch));
  EXPECT_EQ(rows.count(), 5);
  const RowBatch rest = rows.walk(1000);
  EXPECT_TRUE(rest.reachedEnd);
  EXPECT_EQ(rest.recNos.front(), cursorWalk(cursor_)[5]);
}

TEST_F(CursorRowsTest, FindsFetchedRowsOnly) {
  const std::vector<int> expected = cursorWalk(cursor_);
  CursorRows rows(cursor_);
  rows.fetch(50);
  EXPECT_EQ(rows.findFetched(expected[10]), 10);
  EXPECT_EQ(rows.findFetched(expected[10], 9), 10);
  EXPECT_EQ(rows.findFetched(expected[10], 40), 10);
  EXPECT_EQ(rows.findFetched(expected[60]), -1);
  EXPECT_EQ(rows.findFetched(3), -1);  // filtered out
  EXPECT_EQ(rows.findFetched(0), -1);
}

TEST_F(CursorRowsTest, ResetStartsOverWithTheNewView) {
  CursorRows rows(cursor_);
  rows.fetch(1000);
  cursor_.setOnFilterRecord([](dbf::TableCursor& c) { return c.fieldByName("L1").asInteger() <= 4; });
  rows.reset();
  EXPECT_FALSE(rows.atEnd());
  rows.fetch(1000);
  EXPECT_EQ(rowsOf(rows), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_TRUE(rows.atEnd());
}

TEST(CursorRows, ClosedAndEmptyCursors) {
  dbf::TableCursor closed;
  CursorRows none(closed);
  EXPECT_TRUE(none.atEnd());
  EXPECT_EQ(none.fetch(10), 0);

  TempDir dir;
  testing::writeLevelTable(dir.path(), archive::ArchiveCursor::Delo, {});
  dbf::TableCursor empty;
  testing::openLevel(empty, archive::ArchiveCursor::Delo, dir.path());
  CursorRows rows(empty);
  EXPECT_FALSE(rows.atEnd());
  EXPECT_EQ(rows.fetch(10), 0);
  EXPECT_TRUE(rows.atEnd());
}

}  // namespace
}  // namespace kestrin::browse
