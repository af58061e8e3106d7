// kestrin-cli search: the records found as `columns` prints them, the
// explanation with the filter the program sets, the mode the box selects by
// itself, and a query that turns into nothing.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/command.h"
#include "search/quick/search_base.h"
#include "support/temp_dir.h"

namespace kestrin::cli {
namespace {

std::string run(const Args& args) {
  std::ostringstream out;
  EXPECT_EQ(runSearch(args, out), 0);
  return out.str();
}

class SearchCommand : public ::testing::Test {
 protected:
  SearchCommand() { search::testing::writeSearchBase(dir_.path()); }
  testing::TempDir dir_;
};

struct ExplainCase {
  Args args;  // after BASE
  const char* json;
};

TEST_F(SearchCommand, ExplainPrintsWhatTheProgramSets) {
  const ExplainCase cases[] = {
      {{"fond", "архив", "--explain"},
       R"J({"filter": "(A100=1) AND ((((FNAME=\"*архив*\") OR (A1=\"*архив*\") OR (A109=\"*архив*\") OR )J"
       R"J((A110=\"*архив*\"))) OR ((KOD=\"      2\")))", "case_insensitive": true, "count": 2, )J"
       R"J("status": "Два результата.", "advice": ["По вашему запросу найдено только два результата.", )J"
       R"J("Убедитесь, что слово написано без опечаток."]})J"},
      // Typed "12 15" selects the number mode by itself.
      {{"0", "12, 15", "--all", "--explain"},
       R"J({"filter": "((FKOD=\"     12 \") OR (FKOD=\"     15 \"))", "case_insensitive": true, "count": 2, )J"
       R"J("status": "Два результата.", "advice": ["Убедитесь, что слова написаны без опечаток."]})J"},
      {{"delo", "старый город", "--fast", "--explain"},
       R"J({"filter": "(L4=\"*старый*\") AND (L4=\"*город*\") ", "case_insensitive": true, "count": 0, )J"
       R"J("status": "Ничего не найдено.", "advice": ["По вашему запросу ничего не найдено.", )J"
       R"J("Попробуйте искать одно из слов вместо всех вместе."]})J"},
      {{"delo", "ф.12 приказ", "--mode", "phrase", "--explain"},
       R"J({"filter": "((L4=\"*приказ*\") OR (L5=\"*приказ*\")) AND ((OPIS=\"    101\") OR (OPIS=\"    102\"))", )J"
       R"J("case_insensitive": true, "count": 1, "status": "Один результат.", "advice": )J"
       R"J(["По вашему запросу найден только один результат.", "Попробуйте искать все слова вместо фразы целиком )J"
       R"J((как есть).", "Попробуйте не использовать знаки препинания (точки).", )J"
       R"J("Попробуйте не использовать одиночные буквы."]})J"},
  };
  for (const ExplainCase& c : cases) {
    Args args{dir_.path()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    SCOPED_TRACE(c.args[1]);
    EXPECT_EQ(run(args), std::string(c.json) + "\n");
  }
}

// The list's columns as `columns` prints them (the title column of a file
// with an L5 memo shows the memo).
TEST_F(SearchCommand, PrintsTheRecordsFound) {
  EXPECT_EQ(run({dir_.path(), "delo", "школы"}),
            R"J({"recno": 3, "Num": "1", "Cap": "о приёме", "Tip": "", "Dates": "н/д", "L11": 0})J"
            "\n");
}

TEST_F(SearchCommand, NothingToSearchIsAnError) {
  std::ostringstream out;
  EXPECT_THROW(
      {
        try {
          runSearch({dir_.path(), "delo", ". ,", "--mode", "all"}, out);
        } catch (const std::runtime_error& error) {
          EXPECT_STREQ(error.what(), "Выберите раздел и введите текст для поиска или номер");
          throw;
        }
      },
      std::runtime_error);
  EXPECT_THROW(runSearch({dir_.path(), "delo", "x", "--mode", "some"}, out), UsageError);
  EXPECT_THROW(runSearch({dir_.path(), "level", "x"}, out), UsageError);
}

}  // namespace
}  // namespace kestrin::cli
