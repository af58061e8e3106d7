// The block scan behind filters: every record once, in order, whatever the
// block size; records appended while it runs are reached, a half-written one
// never; a shortened file ends it; an abandoned scan stops its reader.
#include "dbf/table/table_scan.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "dbf/table/dbf_fields.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::dbf {
namespace {

using testing::TempDir;
using testing::TestRecord;

std::string writeNumbered(const TempDir& dir, int count) {
  std::vector<TestRecord> records;
  for (int i = 1; i <= count; ++i) records.push_back({{std::to_string(i)}});
  return testing::writeTable(dir.file("S.DBF"), {{"N", 'C', 9, 0}}, records);
}

// The N field of every record the scan hands out, checking the numbering.
std::vector<int> scanAll(DbfFields& table, TableScan& scan) {
  std::vector<int> seen;
  for (TableScan::Run run = scan.next(); run.count > 0; run = scan.next()) {
    for (int i = 0; i < run.count; ++i) {
      EXPECT_EQ(run.first + i, static_cast<int>(seen.size()) + 1);
      const RecordView record(run.records + static_cast<std::size_t>(i) * 10);
      seen.push_back(std::stoi(table.fieldAsString(record, 1)));
    }
  }
  return seen;
}

std::vector<int> oneTo(int n) {
  std::vector<int> v;
  for (int i = 1; i <= n; ++i) v.push_back(i);
  return v;
}

// Writes over the end-of-file mark, as the other program appends.
void writeAt(const std::string& path, off_t offset, const std::string& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::pwrite(fd, bytes.data(), bytes.size(), offset), static_cast<ssize_t>(bytes.size()));
  ::close(fd);
}

std::string rawRecord(int n) {
  std::string r = " " + std::to_string(n);
  r.resize(10, ' ');
  return r;
}

TEST(TableScan, HandsOutEveryRecordOnceInOrder) {
  struct Case {
    int records;
    std::size_t blockSize;  // records are 10 bytes long
  } cases[] = {
      {0, TableScan::kBlockSize},
      {1, TableScan::kBlockSize},
      {500, TableScan::kBlockSize},
      {500, 70},
      {500, 5000},
      {500, 4},  // less than a record: one per block
      {3000, 1000},
  };
  for (const Case& c : cases) {
    TempDir dir;
    DbfFields table(writeNumbered(dir, c.records));
    TableScan scan(table, c.blockSize);
    EXPECT_EQ(scanAll(table, scan), oneTo(c.records)) << c.records << " records, block " << c.blockSize;
    EXPECT_EQ(scan.next().count, 0);
  }
}

TEST(TableScan, ReachesRecordsAppendedWhileItRunsButNoHalfWrittenOne) {
  for (const std::size_t blockSize : {std::size_t{100}, std::size_t{1000}, TableScan::kBlockSize}) {
    TempDir dir;
    const std::string path = writeNumbered(dir, 200);
    DbfFields table(path);
    TableScan scan(table, blockSize);
    TableScan::Run run = scan.next();
    ASSERT_GT(run.count, 0);
    int last = run.first + run.count - 1;
    std::string appended;
    for (int n = 201; n <= 230; ++n) appended += rawRecord(n);
    writeAt(path, table.headerLength() + 200 * 10, appended + rawRecord(231).substr(0, 4));
    for (run = scan.next(); run.count > 0; run = scan.next()) {
      EXPECT_EQ(run.first, last + 1);
      last = run.first + run.count - 1;
    }
    EXPECT_EQ(last, 230) << "block " << blockSize;
  }
}

TEST(TableScan, EndsQuietlyWhenTheFileIsShortened) {
  TempDir dir;
  const std::string path = writeNumbered(dir, 1000);
  DbfFields table(path);
  TableScan scan(table, 1000);
  TableScan::Run run = scan.next();
  ASSERT_EQ(run.count, 100);
  ASSERT_EQ(::truncate(path.c_str(), table.headerLength() + 250 * 10 + 3), 0);
  int last = run.first + run.count - 1;
  for (run = scan.next(); run.count > 0; run = scan.next()) last = run.first + run.count - 1;
  // The blocks read ahead before the cut may still be handed out; nothing
  // beyond them, and no error.
  EXPECT_GE(last, 250);
  EXPECT_LE(last, 300);
}

TEST(TableScan, AnAbandonedScanStopsItsReader) {
  TempDir dir;
  DbfFields table(writeNumbered(dir, 5000));
  { TableScan untouched(table, 100); }
  {
    TableScan scan(table, 100);
    EXPECT_EQ(scan.next().count, 10);
    EXPECT_EQ(scan.next().first, 11);
  }  // the reader waits for a free block: the destructor must release it
  TableScan again(table, 100);
  EXPECT_EQ(scanAll(table, again), oneTo(5000));
}

}  // namespace
}  // namespace kestrin::dbf
