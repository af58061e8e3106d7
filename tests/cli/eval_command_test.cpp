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

}  // namespace
}  // namespace kestrin::cli
