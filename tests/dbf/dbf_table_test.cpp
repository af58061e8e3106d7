// The table file: header checks, record count, positioned reads and the
// damaged files a reader meets in practice.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <ostream>
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
    DbfFields table(path);
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
  EXPECT_EQ(errorOf([&] { DbfFields t(path); }), "Table Header for " + path + " is invalid");

  bytes[0] = 0x03;
  bytes[15] = 1;
  writeFileBytes(path, bytes);
  EXPECT_THROW(DbfFields{path}, EDbfEncryption);
  EXPECT_EQ(errorOf([&] { DbfFields t(path); }), "No Password for encrypted file " + path);
}

TEST(DbfTable, CountsRecordsFromTheFileSizeNotTheHeader) {
  TempDir dir;
  const std::string path = threeRecordTable(dir);
  std::string bytes = readFileBytes(path);
  encodeLE32(reinterpret_cast<unsigned char*>(bytes.data()) + 4, 1000);
  bytes.pop_back();              // the end-of-file mark
  bytes += std::string(4, 'x');  // a partial fourth record
  writeFileBytes(path, bytes);
  DbfFields table(path);
  EXPECT_EQ(table.recordCount(), 3);
}

TEST(DbfTable, ReadRecordFollowsTheStepsAndNumbers) {
  TempDir dir;
  DbfFields table(threeRecordTable(dir));
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
    DbfFields table(path);
    table.readRecord(c.step);
    EXPECT_EQ(table.currentRecNo(), c.recno) << c.name;
    EXPECT_FALSE(table.eofFlag()) << c.name;
    EXPECT_EQ(table.bofFlag(), c.bof) << c.name;
  }
}

TEST(DbfTable, EmptyTableSetsBothFlags) {
  TempDir dir;
  DbfFields table(writeTable(dir.file("E.DBF"), {{"A", 'C', 3, 0}}, {}));
  table.readRecord(Step::First);
  EXPECT_TRUE(table.eofFlag());
  EXPECT_TRUE(table.bofFlag());
  EXPECT_EQ(table.recordCount(), 0);
}

TEST(DbfTable, DeletedRecordsAreStillReadAndFlagged) {
  TempDir dir;
  const std::string path = threeRecordTable(dir);
  std::string bytes = readFileBytes(path);
  DbfFields probe(path);
  bytes[static_cast<std::size_t>(probe.headerLength())] = '?';  // any non-blank marks a deletion
  writeFileBytes(path, bytes);
  DbfFields table(path);
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
  DbfFields table(path);
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
  DbfFields table(writeTable(dir.file("F.DBF"), {{"FKOD", 'C', 8, 0}, {"A1", 'N', 3, 0}}, {}));
  EXPECT_EQ(table.findField("fkod"), 1);
  EXPECT_EQ(table.findField("A1  "), 2);
  EXPECT_EQ(table.findField("A2"), 0);
  EXPECT_EQ(errorOf([&] { table.fieldNumber("A2"); }), "There is no field name " + table.fileName() + "->A2");
  EXPECT_EQ(errorOf([&] { table.typedFieldNumber("FKOD", 'N'); }), "Field FKOD is the incorrect type");
  EXPECT_EQ(table.typedFieldNumber("A1", 'N'), 2);
}

// Byte surgery on a good table: each damage gives the engine's message and,
// for a header that cannot be laid out, the detail that names the fault.
struct HeaderDamage {
  const char* name;
  void (*apply)(std::string& bytes);
  bool invalidHeader;  // "Table Header for %s is invalid"; otherwise "Error on Read of file %s"
  const char* detail;  // of EDbfHeaderInvalid; empty for a read error
};

void setLE16(std::string& bytes, std::size_t at, std::uint16_t value) {
  encodeLE16(reinterpret_cast<unsigned char*>(bytes.data()) + at, value);
}

const HeaderDamage kHeaderDamages[] = {
    {"truncated_header", [](std::string& b) { b.resize(20); }, false, ""},
    {"unknown_version", [](std::string& b) { b[0] = static_cast<char>(0x8C); }, true,
     "version byte 0x8C is not a known table version"},
    {"header_length_below_33", [](std::string& b) { setLE16(b, 8, 20); }, true,
     "header length 20 is smaller than 33 (header and terminator)"},
    {"foxpro_header_without_backlink", [](std::string& b) { b[0] = 0x30; }, true,
     "header length 97 of a Visual FoxPro table is smaller than 296 (header, terminator and backlink)"},
    {"record_length_0", [](std::string& b) { setLE16(b, 10, 0); }, true, "record length 0"},
    {"descriptors_past_the_file", [](std::string& b) { setLE16(b, 8, 60000); }, false, ""},
    {"field_past_the_record", [](std::string& b) { b[32 + 16] = 100; }, true,
     "field 1 ends at byte 101, beyond the record length 10"},
    {"second_field_past_the_record", [](std::string& b) { b[64 + 16] = 5; }, true,
     "field 2 ends at byte 11, beyond the record length 10"},
    // Lengths that would read every record shifted.
    {"header_length_one_more", [](std::string& b) { setLE16(b, 8, 98); }, true,
     "header length 98 does not end at the terminator (byte 96): byte 97 holds 0x20"},
    {"header_length_one_less", [](std::string& b) { setLE16(b, 8, 96); }, true,
     "no terminator 0x0D after the 1 descriptors the header length 96 makes room for"},
    {"record_length_one_more", [](std::string& b) { setLE16(b, 10, 11); }, true,
     "the fields fill 10 bytes of each record, the header says 11"},
    {"field_of_length_0", [](std::string& b) { b[64 + 16] = 0; }, true, "field 2 (N) has length 0"},
};

void PrintTo(const HeaderDamage& damage, std::ostream* out) { *out << damage.name; }

class DamagedHeader : public ::testing::TestWithParam<HeaderDamage> {};

TEST_P(DamagedHeader, NamesTheFault) {
  const HeaderDamage& damage = GetParam();
  TempDir dir;
  const std::string path = threeRecordTable(dir);
  std::string bytes = readFileBytes(path);
  damage.apply(bytes);
  writeFileBytes(path, bytes);
  std::string message = "no error";
  std::string detail;
  try {
    DbfFields table(path);
  } catch (const EDbfHeaderInvalid& error) {
    message = error.what();
    detail = error.detail();
  } catch (const EDbfError& error) {
    message = error.what();
  }
  EXPECT_EQ(message,
            damage.invalidHeader ? "Table Header for " + path + " is invalid" : "Error on Read of file " + path);
  EXPECT_EQ(detail, damage.detail);
}

INSTANTIATE_TEST_SUITE_P(Surgery, DamagedHeader, ::testing::ValuesIn(kHeaderDamages),
                         [](const ::testing::TestParamInfo<HeaderDamage>& damage) {
                           return std::string(damage.param.name);
                         });

// Room a writer reserved or never filled: whole records of zero bytes after
// the last one (and after its end-of-file mark) are not records.
TEST(DbfTable, ZeroFilledTailIsNotRecords) {
  TempDir dir;
  const std::string path = threeRecordTable(dir);
  const std::string good = readFileBytes(path);
  for (std::size_t zeros : {10u, 25u, 10000u}) {
    SCOPED_TRACE(zeros);
    writeFileBytes(path, good + std::string(zeros, '\0'));
    DbfFields table(path);
    EXPECT_EQ(table.recordCount(), 3);
    table.readRecord(3);
    table.readRecord(Step::Next);
    EXPECT_TRUE(table.eofFlag());
  }
  // A record that holds anything but zeros after its first byte is one.
  writeFileBytes(path, good.substr(0, good.size() - 1) + std::string(9, '\0') + "x");
  EXPECT_EQ(DbfFields(path).recordCount(), 4);
  // The header and descriptors alone are a table with no records.
  writeFileBytes(path, good.substr(0, 97) + std::string(100, '\0'));
  EXPECT_EQ(DbfFields(path).recordCount(), 0);
}

TEST(DbfTable, MissingFileIsReported) {
  TempDir dir;
  EXPECT_EQ(errorOf([&] { DbfFields t(dir.file("NONE")); }), "File " + dir.file("NONE.DBF") + " could not be found");
}

TEST(DbfTable, ReadAheadServesTheSameRecords) {
  TempDir dir;
  std::vector<TestRecord> records;
  for (int i = 0; i < 2000; ++i) records.push_back({{std::to_string(i)}});
  DbfFields table(writeTable(dir.file("R.DBF"), {{"N", 'C', 20, 0}}, records));
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
