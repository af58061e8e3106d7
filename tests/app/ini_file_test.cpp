// The settings file behaves like the platform's private-profile functions:
// files written there read the same here, and writes keep the file's shape.
#include "app/ini_file.h"

#include <gtest/gtest.h>

#include "support/case_names.h"
#include "support/temp_dir.h"

namespace kestrin::app {
namespace {

using testing::readFileBytes;
using testing::TempDir;
using testing::writeFileBytes;

struct ReadCase {
  const char* name;
  const char* file;
  const char* section;
  const char* key;
  const char* expected;  // readString with default "<d>"
};

class IniReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniReadTest, ReadsLikePrivateProfile) {
  const ReadCase& c = GetParam();
  TempDir dir;
  writeFileBytes(dir.file("k.ini"), c.file);
  const IniFile ini(dir.file("k.ini"));
  EXPECT_EQ(ini.readString(c.section, c.key, "<d>"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniReadTest,
    ::testing::Values(ReadCase{"plain", "[Main]\r\nTabs=1\r\n", "Main", "Tabs", "1"},
                      ReadCase{"case_blind_names", "[MAIN]\r\ntabs=1\r\n", "main", "TABS", "1"},
                      ReadCase{"trimmed", "  [ Main ]  \r\n  PathBase =  C:\\AF3\\DBF\\   \r\n", "Main", "PathBase",
                               "C:\\AF3\\DBF\\"},
                      ReadCase{"quotes_removed", "[Main]\nini=\"C:\\Data\"\n", "Main", "ini", "C:\\Data"},
                      ReadCase{"single_quotes_removed", "[Main]\nini='x y'\n", "Main", "ini", "x y"},
                      ReadCase{"first_key_wins", "[Main]\nTop=1\nTop=2\n", "Main", "Top", "1"},
                      ReadCase{"first_section_wins", "[Main]\nTop=1\n[Main]\nTop=2\nLeft=3\n", "Main", "Left", "<d>"},
                      ReadCase{"other_section", "[Main]\nTop=1\n[Info]\nTop=9\n", "Info", "Top", "9"},
                      ReadCase{"missing_key", "[Main]\nTop=1\n", "Main", "Left", "<d>"},
                      ReadCase{"missing_section", "[Main]\nTop=1\n", "Pic", "Top", "<d>"},
                      ReadCase{"comment_is_no_key", "[Main]\n;Top=1\n", "Main", ";Top", "<d>"},
                      ReadCase{"empty_value", "[Main]\nPathBase=\n", "Main", "PathBase", ""},
                      ReadCase{"value_with_equals", "[Query]\n0=A=B\n", "Query", "0", "A=B"},
                      ReadCase{"windows_1251_value", "[Query]\n0=\xD4\xEE\xED\xE4\n", "Query", "0", "\xD4\xEE\xED\xE4"},
                      ReadCase{"key_before_any_section", "Top=1\n[Main]\n", "Main", "Top", "<d>"}),
    [](const auto& p) { return std::string(p.param.name); });

struct NumberCase {
  const char* value;
  int expectedInt;    // readInteger default -7
  bool expectedBool;  // readBool default true
};

class IniNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(IniNumberTest, IntegersAndBooleans) {
  const NumberCase& c = GetParam();
  TempDir dir;
  writeFileBytes(dir.file("k.ini"), std::string("[Main]\r\nK=") + c.value + "\r\n");
  const IniFile ini(dir.file("k.ini"));
  EXPECT_EQ(ini.readInteger("Main", "K", -7), c.expectedInt) << c.value;
  EXPECT_EQ(ini.readBool("Main", "K", true), c.expectedBool) << c.value;
}

INSTANTIATE_TEST_SUITE_P(Cases, IniNumberTest,
                         ::testing::Values(NumberCase{"1", 1, true}, NumberCase{"0", 0, false},
                                           NumberCase{"2", 2, true}, NumberCase{"-30", -30, true},
                                           NumberCase{"+5", 5, true}, NumberCase{"$1F", 31, true},
                                           NumberCase{"0x10", 16, true}, NumberCase{"abc", -7, true},
                                           NumberCase{"", -7, true}, NumberCase{"12px", -7, true},
                                           NumberCase{"99999999999", -7, true}, NumberCase{"True", -7, true}),
                         kestrin::testing::labelled([](const NumberCase& c) { return c.value; }));

TEST(IniFile, MissingFileYieldsDefaults) {
  TempDir dir;
  const IniFile ini(dir.file("none.ini"));
  EXPECT_EQ(ini.readString("Main", "PathBase", "x"), "x");
  EXPECT_EQ(ini.readInteger("Main", "Top", 42), 42);
  EXPECT_FALSE(ini.readBool("Main", "Tabs", false));
  EXPECT_FALSE(ini.hasKey("Main", "Tabs"));
}

struct WriteCase {
  const char* name;
  const char* before;
  const char* section;
  const char* key;
  const char* value;
  const char* after;
};

class IniWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWriteTest, WritesInPlace) {
  const WriteCase& c = GetParam();
  TempDir dir;
  if (c.before) writeFileBytes(dir.file("k.ini"), c.before);
  IniFile ini(dir.file("k.ini"));
  ini.writeString(c.section, c.key, c.value);
  EXPECT_EQ(readFileBytes(dir.file("k.ini")), c.after);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniWriteTest,
                         ::testing::Values(WriteCase{"new_file", nullptr, "Main", "Tabs", "1", "[Main]\r\nTabs=1\r\n"},
                                           WriteCase{"replace_keeps_line", "[Main]\r\nA=1\r\nTabs=0\r\nB=2\r\n", "main",
                                                     "TABS", "1", "[Main]\r\nA=1\r\nTABS=1\r\nB=2\r\n"},
                                           WriteCase{"append_after_last_line_of_section",
                                                     "[Main]\r\nA=1\r\n\r\n[Query]\r\n0=x\r\n", "Main", "B", "2",
                                                     "[Main]\r\nA=1\r\nB=2\r\n\r\n[Query]\r\n0=x\r\n"},
                                           WriteCase{"new_section_at_end", "[Main]\nA=1\n", "FondColumns", "0", "40",
                                                     "[Main]\r\nA=1\r\n[FondColumns]\r\n0=40\r\n"},
                                           WriteCase{"comments_kept", "; mine\r\n[Main]\r\n;note\r\nA=1\r\n", "Main",
                                                     "A", "5", "; mine\r\n[Main]\r\n;note\r\nA=5\r\n"}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(IniFile, EraseSectionRemovesItsKeysOnly) {
  TempDir dir;
  writeFileBytes(dir.file("k.ini"), "[Main]\r\nA=1\r\n[Query]\r\n0=x\r\n1=y\r\n[Info]\r\nTop=3\r\n");
  IniFile ini(dir.file("k.ini"));
  ini.eraseSection("QUERY");
  EXPECT_EQ(readFileBytes(dir.file("k.ini")), "[Main]\r\nA=1\r\n[Info]\r\nTop=3\r\n");
  ini.eraseSection("Absent");
  EXPECT_EQ(ini.readInteger("Info", "Top", 0), 3);
}

TEST(IniFile, TwoObjectsOnOneFileSeeEachOthersWrites) {
  TempDir dir;
  IniFile first(dir.file("k.ini"));
  IniFile second(dir.file("k.ini"));
  first.writeBool("Main", "Tabs", true);
  EXPECT_TRUE(second.readBool("Main", "Tabs", false));
  second.writeInteger("Main", "Top", 12345);
  EXPECT_EQ(first.readInteger("Main", "Top", 0), 12345);
  EXPECT_TRUE(first.readBool("Main", "Tabs", false));
  EXPECT_EQ(readFileBytes(dir.file("k.ini")), "[Main]\r\nTabs=1\r\nTop=12345\r\n");
}

TEST(IniFile, UnwritableFileThrowsNamingIt) {
  TempDir dir;
  IniFile ini(dir.file("missing-folder/k.ini"));
  try {
    ini.writeString("Main", "A", "1");
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("missing-folder/k.ini"), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace kestrin::app
