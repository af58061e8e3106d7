// A tag that does not match its table: entries for records the file does not
// hold yet are passed over (another program may be appending), and a walk
// through a tag without FOR condition that meets fewer entries than the table
// has records reports the index as corrupted instead of listing less.
#include <gtest/gtest.h>

#include <cstdio>

#include "dbf/cdx/cdx_corrupted.h"
#include "dbf/cursor/table_cursor.h"
#include "dbf/writer/cdx_writer.h"
#include "support/cursor_checks.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::dbf {
namespace {

using testing::forwardWalk;
using testing::TempDir;

std::string key7(int n) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%7d", n);
  return buffer;
}

constexpr int kRecords = 10;

// Records 1..10 with KOD = 11 - recno (so key order is reverse record order);
// record 4 deleted. The tag holds the keys of `recnos`.
void writeBase(const TempDir& dir, const std::vector<std::uint32_t>& recnos, const char* forText = "") {
  std::vector<testing::TestRecord> records;
  for (int r = 1; r <= kRecords; ++r) records.push_back({{key7(11 - r)}, r == 4});
  testing::writeTable(dir.file("T.DBF"), {{"KOD", 'C', 7, 0}}, records);
  CdxTagInput tag;
  tag.name = "KOD";
  tag.keyExpression = "KOD";
  tag.forExpression = forText;
  tag.keyType = CdxKeyType::Character;
  tag.keyLength = 7;
  for (std::uint32_t r : recnos) tag.keys.push_back({key7(11 - static_cast<int>(r)), r});
  writeCdxFile(dir.file("T.CDX"), {tag});
}

std::unique_ptr<TableCursor> openByKod(const TempDir& dir) {
  auto cursor = std::make_unique<TableCursor>();
  cursor->setDatabaseName(dir.path());
  cursor->setTableName("T.DBF");
  cursor->setExactCount(true);
  cursor->setIndexFiles({"T.CDX"});
  cursor->setIndexName("KOD");
  cursor->open();
  return cursor;
}

std::vector<std::uint32_t> allRecords(int count) {
  std::vector<std::uint32_t> recnos;
  for (int r = 1; r <= count; ++r) recnos.push_back(static_cast<std::uint32_t>(r));
  return recnos;
}

TEST(CursorTagDamage, EntriesPastTheEndArePassedOverAndTheWalkGoesOn) {
  TempDir dir;
  // Records 11..13 are not written yet; their keys (0, -1, -2) sort first.
  writeBase(dir, allRecords(13));
  auto cursor = openByKod(dir);
  EXPECT_EQ(forwardWalk(*cursor), (std::vector<int>{10, 9, 8, 7, 6, 5, 3, 2, 1}));
  EXPECT_EQ(cursor->recordCount(), 9);
}

TEST(CursorTagDamage, TagWithTooFewEntriesIsCorrupted) {
  TempDir dir;
  writeBase(dir, {1, 2, 3, 5, 6});
  auto cursor = openByKod(dir);
  try {
    cursor->recordCount();
    FAIL() << "a tag missing five records was counted";
  } catch (const ECdxCorrupted& e) {
    EXPECT_EQ(std::string(e.what()), "Index file " + dir.file("T.CDX") + " is corrupted");
    EXPECT_EQ(e.detail(), "tag KOD: a walk through it meets 5 keys, the table has 10 records");
  }
  EXPECT_THROW(forwardWalk(*cursor), ECdxCorrupted);
}

TEST(CursorTagDamage, TagWithForConditionMayHoldFewerEntries) {
  TempDir dir;
  writeBase(dir, {1, 2, 3}, "KOD > '      7'");
  auto cursor = openByKod(dir);
  EXPECT_EQ(forwardWalk(*cursor), (std::vector<int>{3, 2, 1}));
  EXPECT_EQ(cursor->recordCount(), 3);
}

TEST(CursorTagDamage, AWalkInterruptedByOtherMovesIsNotJudged) {
  TempDir dir;
  writeBase(dir, allRecords(kRecords));
  auto cursor = openByKod(dir);
  cursor->first();
  cursor->last();
  cursor->prior();
  cursor->next();
  EXPECT_EQ(cursor->recNo(), 1);
  EXPECT_EQ(cursor->recordCount(), 9);
}

}  // namespace
}  // namespace kestrin::dbf
