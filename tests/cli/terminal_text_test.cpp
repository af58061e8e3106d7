// What kestrin-cli says on stderr: valid UTF-8 on one line, whatever bytes a
// damaged file put into the message, and option values checked by name.
#include "cli/terminal_text.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/command.h"
#include "dbf/base/errors.h"
#include "dbf/table/dbf_header.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::cli {
namespace {

TEST(TerminalText, EveryLineIsValidUtf8WithControlsShown) {
  struct Case {
    std::string bytes;
    std::string shown;
  };
  const Case cases[] = {
      {"plain", "plain"},
      {"/tmp/\xD0\xB1\xD0\xB0\xD0\xB7\xD0\xB0/DELO.DBF", "/tmp/база/DELO.DBF"},  // a UTF-8 file name stays
      {"field (\xC0\xF0\xF5\xE8\xE2)", "field (Архив)"},                         // Windows-1251 field text
      {std::string("a\0b", 3), "a\\x00b"},
      {"line\nbreak\ttab\x7F", "line\\x0Abreak\\x09tab\\x7F"},
      {"\xE2\x82", "в‚"},  // a cut UTF-8 sequence is taken byte by byte
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shown);
    const std::string shown = terminalText(c.bytes);
    EXPECT_EQ(shown, c.shown);
    EXPECT_TRUE(isValidUtf8(shown));
  }
  EXPECT_FALSE(isValidUtf8("\xFF"));
  EXPECT_FALSE(isValidUtf8("\xC0\x80"));  // an overlong NUL
  EXPECT_TRUE(isValidUtf8("Кестрин"));
}

TEST(TerminalText, ErrorLineKeepsTheWholeMessageAndTheDamage) {
  using namespace std::string_literals;
  const std::string quoted = "DELO->L11 (1\0002)"s;  // a NUL in the field text
  const dbf::EDbfError withNul("Invalid numeric value in field %s", {quoted});
  EXPECT_EQ(errorLine(withNul), "Invalid numeric value in field DELO->L11 (1\\x002)");
  const dbf::EDbfHeaderInvalid header("/b/DELO.DBF", "record length 0");
  EXPECT_EQ(errorLine(header), "Table Header for /b/DELO.DBF is invalid: record length 0");
}

TEST(EvalOptions, RecordNumberIsCheckedByName) {
  testing::TempDir dir;
  const std::string table = testing::writeTable(dir.file("T.DBF"), {{"N", 'N', 3, 0}}, {{{1.0}}, {{2.0}}});
  const std::string notInTable = " is not in table " + table;
  struct Case {
    std::string recno;
    std::string message;
  };
  const Case cases[] = {
      {"abc", "Option --recno needs a whole number, not \"abc\""},
      {"", "Option --recno needs a whole number, not \"\""},
      {"99999999999", "Option --recno needs a whole number, not \"99999999999\""},
      {"2x", "Option --recno needs a whole number, not \"2x\""},
      {"0", "Record number 0" + notInTable},
      {"3", "Record number 3" + notInTable},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.recno);
    std::ostringstream out;
    try {
      runEval({"--table", table, "--recno", c.recno, "N"}, out);
      ADD_FAILURE() << "evaluated: " << out.str();
    } catch (const std::exception& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
  }
  std::ostringstream out;
  runEval({"--table", table, "--recno", "2", "N"}, out);
  EXPECT_EQ(out.str(), "{\"kind\": \"Number\", \"value\": 2}\n");
}

TEST(EvalOptions, BlankDateIsDayZero) {
  std::ostringstream out;
  runEval({"CTOD('')"}, out);
  EXPECT_EQ(out.str(), "{\"kind\": \"Date\", \"value\": 0}\n");
}

}  // namespace
}  // namespace kestrin::cli
