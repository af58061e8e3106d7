// kestrin-cli eval: kinds and values as JSON, with and without a table.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/command.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::cli {
namespace {

std::string eval(const Args& args) {
  std::ostringstream out;
  EXPECT_EQ(runEval(args, out), 0);
  return out.str();
}

TEST(EvalCommand, PrintsKindAndValue) {
  testing::TempDir dir;
  const std::string table =
      testing::writeTable(dir.file("T.DBF"), {{"NAME", 'C', 8, 0}, {"N", 'N', 5, 1}, {"D", 'D', 8, 0}},
                          {{{testing::cp("Архив"), 2.5, dbf::CivilDate{1980, 1, 1}}}, {{std::string("second"), 7.0}}});
  struct Case {
    Args args;
    std::string json;
  };
  const std::vector<Case> cases = {
      {{"1+2"}, R"({"kind": "Number", "value": 3})"},
      {{"\"ab\"+\"cd\""}, R"({"kind": "Text", "value": "abcd"})"},
      {{"--table", table, "NAME"}, R"({"kind": "Text", "value": "Архив   "})"},
      {{"--table", table, "--recno", "2", "N*2"}, R"({"kind": "Number", "value": 14})"},
      {{"--table", table, "D"}, R"({"kind": "Date", "value": 2444240})"},
      {{"--table", table, "NAME=\"арх*\""}, R"({"kind": "Boolean", "value": false})"},
      {{"--table", table, "--case-insensitive", "NAME=\"арх*\""}, R"({"kind": "Boolean", "value": true})"},
      {{"--table", table, "--case-insensitive", "--no-partial", "NAME=\"арх*\""},
       R"({"kind": "Boolean", "value": false})"},
  };
  for (const auto& c : cases) EXPECT_EQ(eval(c.args), c.json + "\n") << c.args.back();
}

TEST(EvalCommand, ErrorsAreThrown) {
  std::ostringstream out;
  EXPECT_THROW(runEval({}, out), UsageError);
  EXPECT_THROW(runEval({"1 +"}, out), std::exception);
}

// A negative record number is no record: it used to be taken as a step and
// evaluated the expression on another record.
TEST(EvalCommand, NegativeRecordNumberIsNotInTheTable) {
  testing::TempDir dir;
  const std::string table = testing::writeTable(dir.file("T.DBF"), {{"N", 'N', 5, 0}}, {{{1.0}}, {{2.0}}, {{3.0}}});
  for (const char* recno : {"-1", "-3", "-5"}) {
    std::ostringstream out;
    try {
      runEval({"--table", table, "--recno", recno, "N"}, out);
      ADD_FAILURE() << "evaluated on record " << recno << ": " << out.str();
    } catch (const std::exception& error) {
      EXPECT_EQ(std::string(error.what()), std::string("Record number ") + recno + " is not in table " + table);
    }
  }
}

}  // namespace
}  // namespace kestrin::cli
