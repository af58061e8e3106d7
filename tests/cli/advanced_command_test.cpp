// kestrin-cli advanced: the dialog's controls from the options, what the
// search set (--explain), the records found, and its argument errors.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/command.h"
#include "dbf/base/errors.h"
#include "search/advanced_base.h"
#include "support/temp_dir.h"

namespace kestrin::cli {
namespace {

std::string run(const Args& args) {
  std::ostringstream out;
  EXPECT_EQ(runAdvanced(args, out), 0);
  return out.str();
}

struct ExplainCase {
  Args args;
  const char* expected;
};

TEST(AdvancedCommand, ExplainTellsWhatTheDialogSet) {
  testing::TempDir dir;
  search::testing::writeAdvancedBase(dir.path());
  const std::string base = dir.path();
  const ExplainCase cases[] = {
      {{base, "fond", "--text", "Губернский", "--no-pred", "--no-keywords", "--all", "--explain"},
       R"j({"filter": "((FNAME=\"*Губернский*\") OR (A1=\"*Губернский*\") OR (KOD=\"      3\"))", )j"
       R"j("case_insensitive": true, "count": 1, "status": "", "advice": [], "date_from": null, "date_to": null})j"},
      // "Только в наличии" selects "наличие" on fonds unless --all.
      {{base, "0", "--years", "1990-2000", "--explain"},
       R"j({"filter": "(A100=1) AND (A7<=2000)  AND (A9>=1990)", "case_insensitive": true, "count": 0, )j"
       R"j("status": "", "advice": [], "date_from": null, "date_to": null})j"},
      {{base, "doc", "--years", "2000-2000", "--explain"},
       R"j({"filter": "", "case_insensitive": false, "count": 3, "status": "", "advice": [], )j"
       R"j("date_from": "2000-01-01", "date_to": "2000-12-31"})j"},
      {{base, "delo", "--category", "4", "--type", "11", "--case-sensitive", "--explain"},
       R"j({"filter": "((L13=1) OR (L13=4)) AND ((L12=1) OR (L12=2))", "case_insensitive": false, "count": 0, )j"
       R"j("status": "", "advice": [], "date_from": null, "date_to": null})j"},
  };
  for (const ExplainCase& c : cases) {
    SCOPED_TRACE(c.args[1]);
    EXPECT_EQ(run(c.args), std::string(c.expected) + "\n");
  }
}

TEST(AdvancedCommand, ListsTheRecordsFound) {
  testing::TempDir dir;
  search::testing::writeAdvancedBase(dir.path());
  const std::string out = run({dir.path(), "delo", "--text", "хозяйство"});
  EXPECT_EQ(out.find(R"j({"recno": 1, )j"), 0u) << out;
  EXPECT_NE(out.find(R"j({"recno": 4, )j"), std::string::npos) << out;
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 2);
}

TEST(AdvancedCommand, AMissingKeywordTableIsNamedInTheStatus) {
  testing::TempDir dir;
  search::testing::writeAdvancedBase(dir.path(), {"PERSONA2.DBF"});
  const std::string out = run({dir.path(), "delo", "--text", "Иванов", "--explain"});
  EXPECT_NE(out.find(R"("status": "Поиск без таблицы persona2.dbf: нет в базе или не открывается.")"),
            std::string::npos)
      << out;
}

TEST(AdvancedCommand, ErrorsOfTheSearchAndOfTheArguments) {
  testing::TempDir dir;
  search::testing::writeAdvancedBase(dir.path());
  std::ostringstream out;
  EXPECT_THROW(runAdvanced({dir.path(), "delo", "--special", "L4=("}, out), dbf::EDbfError);
  EXPECT_THROW(runAdvanced({dir.path(), "delo", "--years", "19x0-2000"}, out), std::runtime_error);
  EXPECT_THROW(runAdvanced({dir.path(), "delo", "--move", "7"}, out), UsageError);
  EXPECT_THROW(runAdvanced({dir.path(), "doc", "--category", "19"}, out), UsageError);
  EXPECT_THROW(runAdvanced({dir.path(), "delo", "--text-mode", "some"}, out), UsageError);
  EXPECT_THROW(runAdvanced({dir.path()}, out), UsageError);
}

}  // namespace
}  // namespace kestrin::cli
