// Filter expressions on the cursor: one scan per compilation, the reuse of an
// earlier scan, stepping and counting through the bits, and how the filter
// meets deleted records and the per-record callback.
#include <gtest/gtest.h>

#include <fstream>

#include "dbf/base/errors.h"
#include "dbf/cursor/table_cursor.h"
#include "support/cursor_checks.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::dbf {
namespace {

using testing::backwardWalk;
using testing::cp;
using testing::errorOf;
using testing::forwardWalk;
using testing::TempDir;
using testing::TestRecord;

// Twenty records: N = 1..20, NAME alternating Cyrillic words, a memo on every
// third record; records 5 and 10 deleted.
std::unique_ptr<TableCursor> openSample(const TempDir& dir) {
  std::vector<TestRecord> records;
  for (int i = 1; i <= 20; ++i) {
    records.push_back(
        {{static_cast<double>(i), cp(i % 2 ? "Архив" : "фонд"), i % 3 == 0 ? cp("слово в аннотации") : std::string()},
         i == 5 || i == 10});
  }
  testing::writeTable(dir.file("F.DBF"), {{"N", 'N', 4, 0}, {"NAME", 'C', 10, 0}, {"NOTE", 'M', 10, 0}}, records);
  auto cursor = std::make_unique<TableCursor>();
  cursor->setDatabaseName(dir.path());
  cursor->setTableName("F.DBF");
  cursor->setExactCount(true);
  cursor->open();
  return cursor;
}

TEST(CursorFilter, ScansOnceWhenFilteredAndStepsThroughTheMatches) {
  TempDir dir;
  auto cursor = openSample(dir);
  cursor->next();
  cursor->setFilter("N > 14");
  EXPECT_EQ(cursor->table().scanCount(), 0);  // only stored while not filtered
  EXPECT_EQ(cursor->recNo(), 2);
  cursor->setFiltered(true);
  EXPECT_EQ(cursor->table().scanCount(), 1);
  EXPECT_EQ(cursor->recNo(), 15);  // moved to the first match
  EXPECT_EQ(forwardWalk(*cursor), (std::vector<int>{15, 16, 17, 18, 19, 20}));
  EXPECT_EQ(cursor->recordCount(), 6);
  cursor->last();
  cursor->prior();
  EXPECT_EQ(cursor->recNo(), 19);

  cursor->setFiltered(false);
  EXPECT_EQ(forwardWalk(*cursor).size(), 18u);
  cursor->setFiltered(true);  // same text and options: the earlier bits are used again
  EXPECT_EQ(cursor->table().scanCount(), 1);
  EXPECT_EQ(forwardWalk(*cursor).size(), 6u);
  cursor->setFilterOptions({true, false});  // other options: a new scan
  EXPECT_EQ(cursor->table().scanCount(), 2);
}

TEST(CursorFilter, TextComparisonsFollowTheOptions) {
  TempDir dir;
  auto cursor = openSample(dir);
  cursor->setFiltered(true);
  struct Case {
    const char* filter;
    FilterOptions options;
    std::size_t matches;
  };
  const Case cases[] = {
      {"NAME=\"Архив\"", {}, 9},
      {"NAME=\"архив\"", {}, 0},
      {"NAME=\"архив\"", {true, false}, 9},
      {"NAME=\"*рхи*\"", {}, 9},
      {"NAME=\"*рхи*\"", {false, true}, 0},  // no partial compare: the stars are letters
      {"NOTE=\"*СЛОВО*\"", {true, false}, 6},
      {"(NAME=\"фонд\") AND (N < 7)", {}, 3},
      {"DELETED()", {}, 0},
  };
  for (const auto& c : cases) {
    cursor->setFilterOptions(c.options);
    cursor->setFilter(cp(c.filter));
    EXPECT_EQ(forwardWalk(*cursor).size(), c.matches) << c.filter;
    EXPECT_EQ(static_cast<std::size_t>(cursor->recordCount()), c.matches) << c.filter;
  }
}

TEST(CursorFilter, NonLogicalAndBrokenExpressionsAreRefused) {
  TempDir dir;
  auto cursor = openSample(dir);
  cursor->setFiltered(true);
  cursor->setFilter("N > 18");
  try {
    cursor->setFilter("N + 1");
    ADD_FAILURE();
  } catch (const EDbfError& error) {
    EXPECT_STREQ(error.what(), "Filter expression must return boolean result");
  }
  EXPECT_THROW(cursor->setFilter("N > "), EDbfError);
  EXPECT_EQ(cursor->filter(), "N > 18");  // the cursor stays as it was
  EXPECT_EQ(forwardWalk(*cursor), (std::vector<int>{19, 20}));
}

TEST(CursorFilter, DeletedRecordsAndTheCallbackNarrowTheScan) {
  TempDir dir;
  auto cursor = openSample(dir);
  cursor->setOnFilterRecord([](TableCursor& c) { return c.fieldByName("N").asInteger() % 2 == 0; });
  cursor->setFilter("N <= 10");
  cursor->setFiltered(true);
  EXPECT_EQ(forwardWalk(*cursor), (std::vector<int>{2, 4, 6, 8}));  // 10 is deleted
  EXPECT_EQ(cursor->recordCount(), 4);
  cursor->setUseDeleted(false);
  cursor->setFilter("");  // an empty text leaves deletion and the callback
  EXPECT_EQ(forwardWalk(*cursor).size(), 9u);
}

// A callback removed or replaced after the scan: the records it rejected come
// back without a new filter text (the bits are the expression's alone).
TEST(CursorFilter, CallbackChangedAfterTheScanDecidesAlone) {
  TempDir dir;
  auto cursor = openSample(dir);
  cursor->setOnFilterRecord([](TableCursor& c) { return c.fieldByName("N").asInteger() % 2 == 0; });
  cursor->setFilter("N <= 9");
  cursor->setFiltered(true);
  EXPECT_EQ(forwardWalk(*cursor), (std::vector<int>{2, 4, 6, 8}));
  cursor->setOnFilterRecord([](TableCursor& c) { return c.fieldByName("N").asInteger() % 2 == 1; });
  cursor->setFilter("N <= 9");                                      // the same text: no new scan
  EXPECT_EQ(forwardWalk(*cursor), (std::vector<int>{1, 3, 7, 9}));  // 5 is deleted
  cursor->setOnFilterRecord(nullptr);
  EXPECT_EQ(forwardWalk(*cursor), (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9}));
  EXPECT_EQ(cursor->recordCount(), 8);
}

// The count that follows a scan is the scan's; a later one reads the
// records again and sees a record deleted meanwhile, and deleted records let
// in or out since the scan send the count to the records too.
TEST(CursorFilter, TheCountAfterTheScanIsTheScansAndLaterCountsReadAgain) {
  struct Case {
    const char* filter;
    bool deletedAtScan;
    bool deletedAtCount;
    int deleteAfterScan;  // record number, 0 for none
    int firstCount;
    int laterCount;
  };
  const Case cases[] = {
      {"N > 14", false, false, 0, 6, 6},
      {"N > 14", false, false, 16, 6, 5},
      {"N >= 9", true, true, 0, 12, 12},
      {"N >= 9", true, false, 0, 11, 11},
  };
  for (const Case& c : cases) {
    TempDir dir;
    auto cursor = openSample(dir);
    cursor->setUseDeleted(c.deletedAtScan);
    cursor->setFilter(c.filter);
    cursor->setFiltered(true);
    if (c.deleteAfterScan > 0) {
      std::fstream file(dir.file("F.DBF"), std::ios::in | std::ios::out | std::ios::binary);
      file.seekp(cursor->table().headerLength() + (c.deleteAfterScan - 1) * cursor->table().recordLength());
      file.put('*');
    }
    cursor->setUseDeleted(c.deletedAtCount);
    EXPECT_EQ(cursor->recordCount(), c.firstCount) << c.filter << " " << c.deleteAfterScan;
    EXPECT_EQ(cursor->recordCount(), c.laterCount) << c.filter << " " << c.deleteAfterScan;
  }
}

// A table of many scan blocks, read ahead on a second thread: the bits are
// those a record-by-record check gives, deleted records and the callback
// included.
TEST(CursorFilter, ScanOfALargeTableMatchesRecordByRecordChecks) {
  TempDir dir;
  std::vector<TestRecord> records;
  const char* words[] = {"слово в деле", "архив", "Слова фонда", "фонд"};
  for (int i = 1; i <= 40000; ++i) records.push_back({{static_cast<double>(i), cp(words[i % 4])}, i % 7 == 0});
  testing::writeTable(dir.file("L.DBF"), {{"N", 'N', 6, 0}, {"NAME", 'C', 12, 0}}, records);
  TableCursor cursor;
  cursor.setDatabaseName(dir.path());
  cursor.setTableName("L.DBF");
  cursor.setFilterOptions({true, false});
  cursor.setOnFilterRecord([](TableCursor& c) { return c.fieldByName("N").asInteger() % 3 != 0; });
  cursor.setFilter("NAME=\"*" + cp("слов") + "*\"");
  cursor.setFiltered(true);
  cursor.open();
  std::vector<int> expected;
  for (int i = 1; i <= 40000; ++i) {
    if (i % 2 == 0 && i % 7 != 0 && i % 3 != 0) expected.push_back(i);
  }
  EXPECT_EQ(forwardWalk(cursor), expected);
  // Counting scans too, and leaves the cursor where it was.
  cursor.setExactCount(true);
  cursor.first();
  for (int i = 0; i < 5; ++i) cursor.next();
  EXPECT_EQ(cursor.recordCount(), static_cast<int>(expected.size()));
  cursor.next();
  EXPECT_EQ(cursor.recNo(), expected[6]);
  cursor.setFilter("");
  int visible = 0;
  for (int i = 1; i <= 40000; ++i) visible += i % 7 != 0 && i % 3 != 0;
  EXPECT_EQ(cursor.recordCount(), visible);
}

TEST(CursorFilter, CancelledScanKeepsTheEarlierFilterAndView) {
  TempDir dir;
  std::vector<TestRecord> records;
  for (int i = 1; i <= 40000; ++i) records.push_back({{static_cast<double>(i)}, false});
  testing::writeTable(dir.file("P.DBF"), {{"N", 'N', 6, 0}}, records);
  TableCursor cursor;
  cursor.setDatabaseName(dir.path());
  cursor.setTableName("P.DBF");
  cursor.setExactCount(true);
  cursor.open();
  cursor.setFilter("N < 100");
  cursor.setFiltered(true);
  cursor.next();
  std::vector<std::int64_t> calls;
  bool goOn = false;
  cursor.setScanProgress([&](std::int64_t done, std::int64_t total) {
    EXPECT_EQ(total, 40000);
    calls.push_back(done);
    return goOn;
  });
  EXPECT_THROW(cursor.setFilter("N > 5"), EScanCancelled);
  EXPECT_EQ(calls.size(), 1u);
  EXPECT_EQ(cursor.filter(), "N < 100");
  EXPECT_EQ(cursor.recNo(), 2);
  EXPECT_EQ(cursor.recordCount(), 99);
  EXPECT_EQ(forwardWalk(cursor).size(), 99u);

  goOn = true;
  calls.clear();
  cursor.setFilter("N > 5");
  EXPECT_EQ(calls, (std::vector<std::int64_t>{16384, 32768}));
  EXPECT_EQ(cursor.recordCount(), 39995);
}

TEST(CursorFilter, FilterSetBeforeOpeningAppliesAtOpen) {
  TempDir dir;
  openSample(dir);
  TableCursor cursor;
  cursor.setDatabaseName(dir.path());
  cursor.setTableName("F.DBF");
  cursor.setFilter("N = 3 .OR. N = 4");
  cursor.setFiltered(true);
  cursor.open();
  EXPECT_EQ(forwardWalk(cursor), (std::vector<int>{3, 4}));
}

}  // namespace
}  // namespace kestrin::dbf
