// The table file: header checks, record count, positioned reads and the
// damaged files a reader meets in practice.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>
#include <variant>

#include "dbf/base/coding.h"
#include "dbf/base/errors.h"
#include "dbf/table/dbf_fields.h"
#include "support/cursor_checks.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::dbf {
namespace {

using testing::errorOf;
using testing::readFileBytes;
using testing::TempDir;
using testing::TestRecord;
using testing::writeFileBytes;
using testing::writeTable;

std::string threeRecordTable(const TempDir& dir) {
  return writeTable(dir.file("T.DBF"), {{"NAME", 'C', 5, 0}, {"N", 'N', 4, 0}},
                    {{{std::string("one"), 1.0}}, {{std::string("two"), 2.0}, true}, {{std::string("three"), 3.0}}});
}

TEST(DbfTable, AcceptsEveryKnownVersionByte) {
  TempDir dir;
  const std::string path = threeRecordTable(dir);
  for (unsigned char version : {0x03, 0x04, 0x30, 0x83, 0x8B, 0xF5}) {
    std::string bytes = readFileBytes(path);
    bytes[0] = static_cast<char>(version);
    if (version == 0x30) continue;  // needs the 263-byte area; covered by the Visual FoxPro test
    writeFileBytes(path, bytes);
    DbfFields table(path, true, false);
    EXPECT_EQ(table.version(), version);
    EXPECT_EQ(table.recordCount(), 3);
  }
}

TEST(DbfTable, RejectsUnknownVersionAndEncryptedTables) {
  TempDir dir;
  const std::string path = threeRecordTable(dir);
  std::string bytes = readFileBytes(path);
  bytes[0] = static_cast<char>(0x8C);
  writeFileBytes(path, bytes);
  EXPECT_EQ(errorOf([&] { DbfFields t(path, true, false); }), "Table Header for " + path + " is invalid");

  bytes[0] = 0x03;
  bytes[15] = 1;
  writeFileBytes(path, bytes);
  EXPECT_THROW(DbfFields(path, true, false), EDbfEncryption);
  EXPECT_EQ(errorOf([&] { DbfFields t(path, true, false); }), "No Password for encrypted file " + path);
}

TEST(DbfTable, CountsRecordsFromTheFileSizeNotTheHeader) {
  TempDir dir;
  const std::string path = threeRecordTable(dir);
  std::string bytes = readFileBytes(path);
  encodeLE32(reinterpret_cast<unsigned char*>(bytes.data()) + 4, 1000);
  bytes.pop_back();              // the end-of-file mark
  bytes += std::string(4, 'x');  // a partial fourth record
  writeFileBytes(path, bytes);
  DbfFields table(path, true, false);
  EXPECT_EQ(table.recordCount(), 3);
}

TEST(DbfTable, ReadRecordFollowsTheStepsAndNumbers) {
  TempDir dir;
  DbfFields table(threeRecordTable(dir), true, false);
  // Each move is a step or a record number, in turn from where the last left the table.
  struct Move {
    std::variant<Step, int> move;
    int recno;
    bool eof;
    bool bof;
  };
  const Move moves[] = {
      {Step::First, 1, false, false},
      {Step::Prior, 1, false, true},
      {Step::Next, 2, false, false},
      {Step::Current, 2, false, false},
      {Step::Last, 3, false, false},
      {Step::Next, 3, true, false},
      {4, 3, true, false},
      {2, 2, false, false},
      {Step::Prior, 1, false, false},
  };
  for (std::size_t i = 0; i < std::size(moves); ++i) {
    std::visit([&](auto move) { table.readRecord(move); }, moves[i].move);
    EXPECT_EQ(table.currentRecNo(), moves[i].recno) << "move " << i;
    EXPECT_EQ(table.eofFlag(), moves[i].eof) << "move " << i;
    EXPECT_EQ(table.bofFlag(), moves[i].bof) << "move " << i;
  }
  EXPECT_EQ(errorOf([&] { table.readRecord(5); }), "Record number 5 is not in table " + table.fileName());
  EXPECT_EQ(errorOf([&] { table.readRecord(-9); }), "Record number -9 is not in table " + table.fileName());
}

TEST(DbfTable, StepsBeforeAnyReadStartAtTheFirstRecord) {
  TempDir dir;
  const std::string path = threeRecordTable(dir);
  struct Case {
    const char* name;
    Step step;
    int recno;
    bool bof;
  };
  const Case cases[] = {
      {"current", Step::Current, 1, false},
      {"next", Step::Next, 1, false},
      {"prior", Step::Prior, 0, true},
      {"last", Step::Last, 3, false},
  };
  for (const auto& c : cases) {
    DbfFields table(path, true, false);
    table.readRecord(c.step);
    EXPECT_EQ(table.currentRecNo(), c.recno) << c.name;
    EXPECT_FALSE(table.eofFlag()) << c.name;
    EXPECT_EQ(table.bofFlag(), c.bof) << c.name;
  }
}

TEST(DbfTable, EmptyTableSetsBothFlags) {
  TempDir dir;
  DbfFields table(writeTable(dir.file("E.DBF"), {{"A", 'C', 3, 0}}, {}), true, false);
  table.readRecord(Step::First);
  EXPECT_TRUE(table.eofFlag());
  EXPECT_TRUE(table.bofFlag());
  EXPECT_EQ(table.recordCount(), 0);
}

TEST(DbfTable, DeletedRecordsAreStillReadAndFlagged) {
  TempDir dir;
  const std::string path = threeRecordTable(dir);
  std::string bytes = readFileBytes(path);
  DbfFields probe(path, true, false);
  bytes[static_cast<std::size_t>(probe.headerLength())] = '?';  // any non-blank marks a deletion
  writeFileBytes(path, bytes);
  DbfFields table(path, true, false);
  table.readRecord(1);
  EXPECT_TRUE(table.currentRecord().isDeleted());
  table.readRecord(2);
  EXPECT_TRUE(table.currentRecord().isDeleted());
  table.readRecord(3);
  EXPECT_FALSE(table.currentRecord().isDeleted());
}

TEST(DbfTable, WideCharacterFieldsUseTheDecimalByte) {
  TempDir dir;
  const std::string path = writeTable(dir.file("W.DBF"), {{"WIDE", 'C', 300, 0}, {"AFTER", 'C', 2, 0}},
                                      {{{std::string(299, 'a') + "b", std::string("zz")}}});
  DbfFields table(path, true, false);
  ASSERT_EQ(table.fieldCount(), 2);
  EXPECT_EQ(table.fieldWidth(1), 300);
  EXPECT_EQ(table.descriptor(1)->decimals, 0);
  EXPECT_EQ(table.descriptor(2)->offset, 301);
  table.readRecord(1);
  EXPECT_EQ(table.fieldRawText(table.currentRecord(), 1).back(), 'b');
  EXPECT_EQ(table.fieldRawText(table.currentRecord(), 2), "zz");
}

TEST(DbfTable, FindsFieldsWithoutRegardToCase) {
  TempDir dir;
  DbfFields table(writeTable(dir.file("F.DBF"), {{"FKOD", 'C', 8, 0}, {"A1", 'N', 3, 0}}, {}), true, false);
  EXPECT_EQ(table.findField("fkod"), 1);
  EXPECT_EQ(table.findField("A1  "), 2);
  EXPECT_EQ(table.findField("A2"), 0);
  EXPECT_EQ(errorOf([&] { table.fieldNumber("A2"); }), "There is no field name " + table.fileName() + "->A2");
  EXPECT_EQ(errorOf([&] { table.typedFieldNumber("FKOD", 'N'); }), "Field FKOD is the incorrect type");
  EXPECT_EQ(table.typedFieldNumber("A1", 'N'), 2);
}

// Byte surgery on a good table: each damage gives a clear error, never a crash.
TEST(DbfTable, DamagedHeadersGiveClearErrors) {
  TempDir dir;
  const std::string path = threeRecordTable(dir);
  const std::string good = readFileBytes(path);
  const std::string invalid = "Table Header for " + path + " is invalid";
  const std::string readError = "Error on Read of file " + path;
  struct Damage {
    const char* name;
    std::function<void(std::string&)> apply;
    std::string message;
  };
  const std::vector<Damage> damages = {
      {"truncated header", [](std::string& b) { b.resize(20); }, readError},
      {"header length below 33", [](std::string& b) { encodeLE16(reinterpret_cast<unsigned char*>(b.data()) + 8, 20); },
       invalid},
      {"record length 0", [](std::string& b) { encodeLE16(reinterpret_cast<unsigned char*>(b.data()) + 10, 0); },
       invalid},
      {"descriptors past the file",
       [](std::string& b) { encodeLE16(reinterpret_cast<unsigned char*>(b.data()) + 8, 60000); }, readError},
      {"field past the record", [](std::string& b) { b[32 + 16] = 100; }, invalid},
  };
  for (const auto& damage : damages) {
    std::string bytes = good;
    damage.apply(bytes);
    writeFileBytes(path, bytes);
    EXPECT_EQ(errorOf([&] { DbfFields t(path, true, false); }), damage.message) << damage.name;
  }
}

TEST(DbfTable, MissingFileIsReported) {
  TempDir dir;
  EXPECT_EQ(errorOf([&] { DbfFields t(dir.file("NONE"), true, false); }),
            "File " + dir.file("NONE.DBF") + " could not be found");
}

TEST(DbfTable, ReadAheadServesTheSameRecords) {
  TempDir dir;
  std::vector<TestRecord> records;
  for (int i = 0; i < 2000; ++i) records.push_back({{std::to_string(i)}});
  DbfFields table(writeTable(dir.file("R.DBF"), {{"N", 'C', 20, 0}}, records), true, false);
  table.setReadAhead(true);
  for (int i = 1; i <= 2000; i += (i % 7) + 1) {
    table.readRecord(i);
    ASSERT_EQ(std::string(table.fieldAsString(table.currentRecord(), 1)), std::to_string(i - 1));
  }
  table.readRecord(Step::Last);
  for (int i = 2000; i >= 1; --i) {
    ASSERT_EQ(table.currentRecNo(), i);
    ASSERT_EQ(table.fieldAsString(table.currentRecord(), 1), std::to_string(i - 1));
    table.readRecord(Step::Prior);
  }
}

}  // namespace
}  // namespace kestrin::dbf
