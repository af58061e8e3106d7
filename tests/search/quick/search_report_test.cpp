// The report of a search: status texts, the count of status panel 1, and the
// advice for fewer than three records, rule by rule.
#include "search/quick/search_report.h"

#include <gtest/gtest.h>

#include "support/table_builder.h"

namespace kestrin::search {
namespace {

using kestrin::testing::cp;
using Lines = std::vector<std::string>;

ModeButtons buttons(SearchMode checked, bool wordsEnabled, bool numberEnabled = false) {
  ModeButtons b;
  b.checked = checked;
  b.allWordsEnabled = b.anyWordEnabled = wordsEnabled;
  b.numberEnabled = numberEnabled;
  return b;
}

struct AdviceCase {
  int count;
  ModeButtons buttons;
  bool caseSensitive;
  const char* box;
  const char* status;
  Lines advice;
};

class Advice : public ::testing::TestWithParam<AdviceCase> {};

TEST_P(Advice, HoldsTheLinesOfItsRules) {
  const AdviceCase& c = GetParam();
  const SearchReport report = reportResult({c.count, c.buttons, c.caseSensitive, cp(c.box), true});
  EXPECT_EQ(report.status, cp(c.status));
  Lines expected;
  for (const auto& line : c.advice) expected.push_back(cp(line.c_str()));
  EXPECT_EQ(report.adviceLines(), expected);
}

const auto kPhrase = buttons(SearchMode::Phrase, false);
const auto kAll = buttons(SearchMode::AllWords, true);

INSTANTIATE_TEST_SUITE_P(
    Rules, Advice,
    ::testing::Values(
        AdviceCase{0,
                   kPhrase,
                   false,
                   "приказ",
                   "Ничего не найдено.",
                   {"По вашему запросу ничего не найдено.", "Убедитесь, что слово написано без опечаток."}},
        AdviceCase{0,
                   kAll,
                   false,
                   "а приказ",
                   "Ничего не найдено.",
                   {"По вашему запросу ничего не найдено.", "Попробуйте искать одно из слов вместо всех вместе.",
                    "Попробуйте не использовать одиночные буквы."}},
        AdviceCase{1,
                   kPhrase,
                   false,
                   "приказ",
                   "Один результат.",
                   {"По вашему запросу найден только один результат.", "Убедитесь, что слово написано без опечаток."}},
        AdviceCase{2,
                   buttons(SearchMode::Phrase, true),
                   false,
                   "старый город",
                   "Два результата.",
                   {"По вашему запросу найдено только два результата.",
                    "Попробуйте искать все слова вместо фразы целиком (как есть)."}},
        AdviceCase{2,
                   kPhrase,
                   true,
                   "Архив",
                   "Два результата.",
                   {"По вашему запросу найдено только два результата.",
                    "Попробуйте писать слова с малой буквы, тогда регистр не учитывается."}},
        AdviceCase{
            0,
            kPhrase,
            false,
            "arhiv",
            "Ничего не найдено.",
            {"По вашему запросу ничего не найдено.", "Попробуйте набирать текст русскими буквами вместо латинских."}},
        // Number mode: no count line for one or two, the text advice but for two.
        AdviceCase{1,
                   buttons(SearchMode::Number, false, true),
                   false,
                   "12",
                   "Один результат.",
                   {"Попробуйте текст вместо номера.", "Убедитесь, что слово написано без опечаток."}},
        AdviceCase{2,
                   buttons(SearchMode::Number, false, true),
                   false,
                   "12",
                   "Два результата.",
                   {"Убедитесь, что слово написано без опечаток."}},
        AdviceCase{0,
                   buttons(SearchMode::Number, true, true),
                   false,
                   "12 15",
                   "Ничего не найдено.",
                   {"По вашему запросу ничего не найдено.", "Попробуйте текст вместо номера."}},
        // Punctuation: the first sign met names the advice.
        AdviceCase{0,
                   kPhrase,
                   false,
                   "дом.",
                   "Ничего не найдено.",
                   {"По вашему запросу ничего не найдено.", "Попробуйте не использовать знаки препинания (точки)."}},
        AdviceCase{0,
                   kPhrase,
                   false,
                   "дом,сад",
                   "Ничего не найдено.",
                   {"По вашему запросу ничего не найдено.", "Попробуйте не использовать знаки препинания (запятые)."}},
        AdviceCase{0,
                   kPhrase,
                   false,
                   "{дом}",
                   "Ничего не найдено.",
                   {"По вашему запросу ничего не найдено.", "Попробуйте не использовать знаки препинания (скобки)."}},
        AdviceCase{0,
                   kPhrase,
                   false,
                   "`дом'",
                   "Ничего не найдено.",
                   {"По вашему запросу ничего не найдено.", "Попробуйте не использовать знаки препинания (кавычки)."}},
        AdviceCase{0,
                   kPhrase,
                   false,
                   "дом|сад",
                   "Ничего не найдено.",
                   {"По вашему запросу ничего не найдено.", "Попробуйте не использовать знаки препинания (слэши)."}},
        AdviceCase{0,
                   kPhrase,
                   false,
                   "дом!?",
                   "Ничего не найдено.",
                   {"По вашему запросу ничего не найдено.", "Попробуйте не использовать знаки препинания (!)."}},
        AdviceCase{0,
                   kPhrase,
                   false,
                   "№5",
                   "Ничего не найдено.",
                   {"По вашему запросу ничего не найдено.", "Попробуйте не использовать знаки препинания (№).",
                    "Попробуйте не использовать одиночные буквы."}},
        AdviceCase{
            0,
            kPhrase,
            false,
            "ab-c",
            "Ничего не найдено.",
            {"По вашему запросу ничего не найдено.", "Попробуйте набирать текст русскими буквами вместо латинских.",
             "Попробуйте не использовать знаки препинания (-).", "Попробуйте не использовать одиночные буквы."}},
        // Three or more: no advice.
        AdviceCase{3, kAll, true, "а б", "Готово. Записей: 3", {}}));

TEST(SearchReport, CountTextFollowsKolRec) {
  EXPECT_EQ(reportResult({1234, {}, false, "x", true}).countText, cp("Записей: 1 234"));
  EXPECT_EQ(reportResult({1234, {}, false, "x", true}).status, cp("Готово. Записей: 1234"));
  EXPECT_EQ(reportResult({1234, {}, false, "x", false}).countText, cp("Более 3 записей."));
  EXPECT_EQ(reportResult({2, {}, false, "x", false}).countText, cp("Записей: 2"));
  EXPECT_EQ(reportResult({0, {}, false, "x", true}).countText, cp("Ничего не найдено"));
}

TEST(SearchReport, AdviceLinesAreSeparatedByCr) {
  const SearchReport report = reportResult({0, kPhrase, false, cp("приказ"), true});
  EXPECT_EQ(report.advice, cp("По вашему запросу ничего не найдено.\rУбедитесь, что слово написано без опечаток."));
}

}  // namespace
}  // namespace kestrin::search
