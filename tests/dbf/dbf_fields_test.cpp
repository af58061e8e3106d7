// Decoding of every field type from the stored bytes.
#include "dbf/table/dbf_fields.h"

#include <gtest/gtest.h>

#include "dbf/base/coding.h"
#include "dbf/base/errors.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::dbf {
namespace {

using testing::TempDir;
using testing::writeTable;

// Writes the raw text of one field through a C field and then sets the real
// type letter, so that memo-like types hold exactly the given bytes.
std::string writeRaw(const std::string& path, const FieldSpec& field, const std::string& raw) {
  FieldSpec asText = field;
  asText.type = 'C';
  asText.decimals = 0;
  writeTable(path, {asText}, {{{raw}}});
  std::string bytes = testing::readFileBytes(path);
  bytes[32 + 11] = field.type;
  bytes[32 + 17] = static_cast<char>(field.decimals);
  testing::writeFileBytes(path, bytes);
  return path;
}

class OneFieldTable {
 public:
  // The table of one field of the given layout holding one raw text. (No
  // aggregate of both: GCC 12 at -O3 reports a false "may be used
  // uninitialized" on the clean-up of such temporaries.)
  OneFieldTable(const FieldSpec& field, const std::string& raw) {
    path_ = writeRaw(dir_.file("ONE.DBF"), field, raw);
    table_ = std::make_unique<DbfFields>(path_);
    table_->readRecord(1);
  }
  DbfFields& operator*() { return *table_; }
  DbfFields* operator->() { return table_.get(); }

 private:
  TempDir dir_;
  std::string path_;
  std::unique_ptr<DbfFields> table_;
};

TEST(DbfFields, NumbersDecodeFromTheirText) {
  // Plain values only: GCC 12 at -O3 reports false "may be used uninitialized"
  // warnings on the clean-up of a local array of structs holding strings.
  struct Case {
    char type;
    int width;
    int decimals;
    const char* raw;
    double value;
    const char* display;
  };
  const Case cases[] = {
      {'N', 6, 2, " 12.50", 12.5, "12.50"},
      {'N', 6, 2, "      ", 0, "0.00"},
      {'N', 4, 0, "  -7", -7, "-7"},
      {'N', 8, 0, "   1e3", 1000, "1e3"},
      {'N', 5, 0, "   +4", 4, "+4"},
      {'F', 6, 1, "   .5", 0.5, ".5"},
      {'N', 4, 0, " 007", 7, "007"},
      {'N', 4, 0, "  5.", 5, "5."},
      {'N', 15, 0, "999999999999999", 999999999999999.0, "999999999999999"},
      {'N', 19, 0, "1234567890123456789", 1234567890123456789.0, "1234567890123456789"},
  };
  for (const Case& c : cases) {
    OneFieldTable table({"N", c.type, c.width, c.decimals}, c.raw);
    EXPECT_DOUBLE_EQ(table->fieldAsFloat(table->currentRecord(), 1), c.value) << c.raw;
    EXPECT_EQ(table->fieldAsString(table->currentRecord(), 1), c.display) << c.raw;
  }
}

TEST(DbfFields, BadNumbersNameFileFieldAndText) {
  for (const char* raw : {"   1,5", "******", " 1 2  ", "    - "}) {
    OneFieldTable table({"SUM", 'N', 6, 1}, raw);
    std::string trimmed(raw);
    while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
    try {
      table->fieldAsFloat(table->currentRecord(), 1);
      ADD_FAILURE() << raw;
    } catch (const EDbfError& error) {
      EXPECT_EQ(std::string(error.what()), "Invalid numeric value in field ONE->SUM (" + trimmed + ")");
    }
  }
}

TEST(DbfFields, LogicalsAcceptTheSixTrueLetters) {
  for (const char* raw : {"T", "t", "Y", "y", "J", "j"}) {
    OneFieldTable table({"L", 'L', 1, 0}, raw);
    EXPECT_TRUE(table->fieldAsLogical(table->currentRecord(), 1)) << raw;
    EXPECT_EQ(table->fieldAsString(table->currentRecord(), 1), "T");
  }
  for (const char* raw : {"F", "N", "?", " "}) {
    OneFieldTable table({"L", 'L', 1, 0}, raw);
    EXPECT_FALSE(table->fieldAsLogical(table->currentRecord(), 1)) << raw;
    EXPECT_EQ(table->fieldAsString(table->currentRecord(), 1), "F");
  }
}

TEST(DbfFields, DatesDecodeToJulianDaysAndDisplayText) {
  struct Case {
    std::string raw;
    int julian;
    std::string display;
  };
  const Case cases[] = {
      {"19800101", 2444240, "01.01.1980"},
      {"18991230", 2415019, "30.12.1899"},
      {"20010229", 2415019, "30.12.1899"},  // impossible: counts as the epoch
      {"        ", 0, ""},
      {"00000000", 0, ""},
      {"05.03.99", 2451243, "05.03.1999"},  // the short date format
  };
  for (const auto& c : cases) {
    OneFieldTable table({"D", 'D', 8, 0}, c.raw);
    EXPECT_EQ(table->fieldAsJulian(table->currentRecord(), 1), c.julian) << c.raw;
    EXPECT_EQ(table->fieldAsString(table->currentRecord(), 1), c.display) << c.raw;
  }
  OneFieldTable bad({"D", 'D', 8, 0}, "31-31-31");
  EXPECT_THROW(bad->fieldAsJulian(bad->currentRecord(), 1), EDbfError);
}

TEST(DbfFields, CharacterAndBinaryDisplayTexts) {
  struct Case {
    char type;
    int width;
    const char* raw;
    const char* display;
  };
  const Case cases[] = {
      {'C', 8, "  lead  ", "  lead"},        {'B', 10, "        12", "--BINARY--"},
      {'B', 10, "          ", "--binary--"}, {'G', 10, "         3", "-GENERAL--"},
      {'G', 10, "         0", "-general--"},
  };
  for (const auto& c : cases) {
    OneFieldTable table({std::string(1, c.type), c.type, c.width, 0}, c.raw);
    EXPECT_EQ(table->fieldAsString(table->currentRecord(), 1), c.display) << c.raw;
  }
}

TEST(DbfFields, VisualFoxProBinaryTypes) {
  TempDir dir;
  DbfWriterOptions options;
  options.version = 0x30;
  const std::string path =
      writeTable(dir.file("VFP.DBF"), {{"I", 'I', 4, 0}, {"Y", 'Y', 8, 4}, {"T", 'T', 8, 0}, {"B", 'B', 8, 0}},
                 {{{-42LL, 12.5, std::monostate{}, std::monostate{}}}}, options);
  // Date-time 1980-01-01 00:00:01.5 and a double, written by hand.
  std::string bytes = testing::readFileBytes(path);
  DbfFields probe(path);
  auto* record = reinterpret_cast<unsigned char*>(bytes.data()) + probe.headerLength();
  encodeLE32(record + probe.descriptor(3)->offset, 2444240);
  encodeLE32(record + probe.descriptor(3)->offset + 4, 1500);
  encodeLEDouble(record + probe.descriptor(4)->offset, 2.25);
  testing::writeFileBytes(path, bytes);

  DbfFields table(path);
  table.readRecord(1);
  EXPECT_EQ(table.fieldAsFloat(table.currentRecord(), 1), -42);
  EXPECT_DOUBLE_EQ(table.fieldAsFloat(table.currentRecord(), 2), 12.5);
  EXPECT_DOUBLE_EQ(table.fieldAsFloat(table.currentRecord(), 3), (2444240.0 - 1721425) * 86400000 + 1500);
  EXPECT_DOUBLE_EQ(table.fieldAsFloat(table.currentRecord(), 4), 2.25);
}

}  // namespace
}  // namespace kestrin::dbf
