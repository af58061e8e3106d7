// Another program appends to a table that a cursor has open: complete records
// become visible as the cursor reads past its known end; a half-written
// record never does.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "dbf/cursor/table_cursor.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::dbf {
namespace {

using testing::TempDir;

// Writes `bytes` at `offset` of `path` from a child process, as another
// program would, and waits for it.
void writeFromAnotherProcess(const std::string& path, off_t offset, const std::string& bytes) {
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    const int fd = ::open(path.c_str(), O_WRONLY);
    const bool ok = fd >= 0 && pwrite(fd, bytes.data(), bytes.size(), offset) == static_cast<ssize_t>(bytes.size());
    _exit(ok ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

std::string record(const std::string& kod) {
  std::string r = " " + kod;
  r.resize(8, ' ');
  return r;
}

TEST(ConcurrentAppend, CompleteRecordsAppearHalfWrittenOnesNever) {
  TempDir dir;
  const std::string path = testing::writeTable(dir.file("A.DBF"), {{"KOD", 'C', 7, 0}},
                                               {{{std::string("1")}}, {{std::string("2")}}, {{std::string("3")}}});
  TableCursor cursor;
  cursor.setDatabaseName(dir.path());
  cursor.setTableName("A.DBF");
  cursor.setExactCount(true);
  cursor.open();
  const off_t end = cursor.table().headerLength() + 3 * cursor.table().recordLength();

  // Half of record 4 (over the end-of-file mark): not a record yet.
  writeFromAnotherProcess(path, end, record("4").substr(0, 4));
  cursor.last();
  EXPECT_EQ(cursor.recNo(), 3);
  cursor.next();
  EXPECT_TRUE(cursor.eof());
  EXPECT_EQ(cursor.recordCount(), 3);

  // The rest of record 4 and half of record 5.
  writeFromAnotherProcess(path, end + 4, record("4").substr(4) + record("5").substr(0, 3));
  cursor.last();
  EXPECT_EQ(cursor.recNo(), 3);  // Last keeps the count it knows...
  cursor.prior();
  cursor.next();
  EXPECT_EQ(cursor.recNo(), 3);
  cursor.next();  // ...reading past it refreshes the count
  EXPECT_FALSE(cursor.eof());
  EXPECT_EQ(cursor.recNo(), 4);
  EXPECT_EQ(cursor.fieldByName("KOD").asString(), "4");
  cursor.next();
  EXPECT_TRUE(cursor.eof());
  EXPECT_EQ(cursor.recordCount(), 4);
}

}  // namespace
}  // namespace kestrin::dbf
