// What stands in the base folder under a table's name: a folder or a FIFO is
// named as such, and of two names that differ only in letter case the exact
// one wins, the case-blind match serving only when it does not exist.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "dbf/cursor/table_cursor.h"
#include "dbf/table/dbf_fields.h"
#include "support/cursor_checks.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::dbf {
namespace {

using testing::errorOf;
using testing::TempDir;

std::string openError(const TempDir& dir, const std::string& table) {
  TableCursor cursor;
  cursor.setDatabaseName(dir.path());
  cursor.setTableName(table);
  return errorOf([&] { cursor.open(); });
}

TEST(FileKinds, FolderAndFifoInPlaceOfATableAreNotRegularFiles) {
  TempDir dir;
  std::filesystem::create_directory(dir.file("T.DBF"));
  ASSERT_EQ(::mkfifo(dir.file("F.DBF").c_str(), 0600), 0);
  EXPECT_EQ(openError(dir, "T.DBF"), "File " + dir.file("T.DBF") + " is not a regular file");
  EXPECT_EQ(openError(dir, "F.DBF"), "File " + dir.file("F.DBF") + " is not a regular file");
  EXPECT_EQ(openError(dir, "N.DBF"), "Cannot find file " + dir.file("N.DBF"));
}

TEST(FileKinds, MemoTwinsDifferingInCaseReadTheArchivesOwnName) {
  TempDir dir;
  DbfWriterOptions options;
  options.memoBlockSize = 64;
  testing::writeTable(dir.file("M.DBF"), {{"MEMO", 'M', 10, 0}}, {{{std::string("the right text")}}}, options);
  // A stray twin of the memo file, holding another text at the same block.
  std::string twin = testing::readFileBytes(dir.file("M.FPT"));
  twin.replace(twin.find("the right text"), 14, "the wrong text");
  testing::writeFileBytes(dir.file("m.fpt"), twin);
  DbfFields table(dir.file("M.DBF"));
  table.readRecord(1);
  EXPECT_EQ(table.memoText(table.currentRecord(), 1), "the right text");
}

}  // namespace
}  // namespace kestrin::dbf
