// Memo pointers that are no block number are reported, through the table and
// through the cursor, instead of reading as "no memo" and losing the text.
#include <gtest/gtest.h>

#include <cstring>

#include "dbf/cursor/table_cursor.h"
#include "dbf/table/dbf_fields.h"
#include "support/cursor_checks.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::dbf {
namespace {

using testing::errorOf;
using testing::readFileBytes;
using testing::TempDir;

struct PointerCase {
  const char* stored;  // the ten bytes of the memo field
  const char* shown;   // as the message quotes them
};

class MemoPointer : public ::testing::TestWithParam<PointerCase> {};

TEST_P(MemoPointer, DamagedPointerIsReportedNotEmpty) {
  TempDir dir;
  DbfWriterOptions options;
  options.memoBlockSize = 64;
  const std::string path =
      testing::writeTable(dir.file("M.DBF"), {{"MEMO", 'M', 10, 0}}, {{{std::string("text")}}}, options);
  std::string image = readFileBytes(path);
  const std::size_t headerLength = static_cast<unsigned char>(image[8]) + 256 * static_cast<unsigned char>(image[9]);
  std::memcpy(image.data() + headerLength + 1, GetParam().stored, 10);
  testing::writeFileBytes(path, image);

  const std::string expected = std::string("Invalid memo block number in field M->MEMO (") + GetParam().shown + ")";
  DbfFields table(path);
  table.readRecord(1);
  EXPECT_EQ(errorOf([&] { table.memoText(table.currentRecord(), 1); }), expected);

  TableCursor cursor;
  cursor.setDatabaseName(dir.path());
  cursor.setTableName("M.DBF");
  cursor.open();
  EXPECT_FALSE(cursor.fieldByName("MEMO").isNull());
  EXPECT_EQ(errorOf([&] { cursor.fieldByName("MEMO").asString(); }), expected);
}

const PointerCase kPointers[] = {
    {"abcdefghij", "abcdefghij"}, {"        -5", "        -5"}, {"4294967296", "4294967296"},
    {"       0.5", "       0.5"}, {" 1 2      ", " 1 2"},       {"   1234:67", "   1234:67"},
    {"   1234/67", "   1234/67"},
};

INSTANTIATE_TEST_SUITE_P(Surgery, MemoPointer, ::testing::ValuesIn(kPointers));

// Every form a writer may give a good pointer, the short way and the long one
// alike: leading zeros, blanks on either side, the largest block number.
TEST(MemoPointerForms, ReadAsTheirBlockNumber) {
  struct Form {
    std::string stored;
    std::uint32_t block;
  };
  const Form forms[] = {
      {"         8", 8},
      {"0000000008", 8},
      {"8         ", 8},
      {"  12345678", 12345678},
      {"  90817263", 90817263},
      {"     40506", 40506},

      {" 12345678 ", 12345678},
      {"123456789 ", 123456789},
      {"4294967295", 4294967295u},
      {" 123456789", 123456789},  // nine digits: the longest read the short way
      {"1234567890", 1234567890u},
      {"         0", 0},
      {"          ", 0},
      {std::string(10, '\0'), 0},
      {std::string("    \0\0\0\0\0\0", 10), 0},
  };
  TempDir dir;
  DbfWriterOptions options;
  options.memoBlockSize = 64;
  const std::string path =
      testing::writeTable(dir.file("M.DBF"), {{"MEMO", 'M', 10, 0}}, {{{std::string("text")}}}, options);
  const std::string image = readFileBytes(path);
  const std::size_t headerLength = static_cast<unsigned char>(image[8]) + 256 * static_cast<unsigned char>(image[9]);
  for (const Form& form : forms) {
    std::string changed = image;
    changed.replace(headerLength + 1, 10, form.stored);
    testing::writeFileBytes(path, changed);
    DbfFields table(path);
    table.readRecord(1);
    EXPECT_EQ(table.memoBlock(table.currentRecord(), 1), form.block) << "stored \"" << form.stored << "\"";
  }
}

}  // namespace
}  // namespace kestrin::dbf
