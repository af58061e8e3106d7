// The query on its way from the box: normalisation, words, the case flag and
// the two history passes.
#include "search/quick/query_text.h"

#include <gtest/gtest.h>

#include "support/table_builder.h"

namespace kestrin::search {
namespace {

using kestrin::testing::cp;
using History = std::vector<std::string>;

TEST(QueryText, NormalisationBlanksPunctuationAndCollapsesRuns) {
  EXPECT_EQ(normalisedQuery(cp("(Заря),  \"Рассвет\".;:x")), cp(" Заря Рассвет x"));
  EXPECT_EQ(normalisedQuery("12,15"), "12 15");
  EXPECT_EQ(normalisedQuery("a-b/c!"), "a-b/c!");
}

TEST(QueryText, WordsAreCutAtEveryBlank) {
  EXPECT_EQ(queryWords("a b"), (History{"a", "b"}));
  EXPECT_EQ(queryWords("a"), (History{"a"}));
  EXPECT_EQ(queryWords(" a"), (History{"", "a"}));
}

TEST(QueryText, CaseFlagFollowsCapitals) {
  EXPECT_FALSE(isCaseSensitiveQuery(cp("архив 12")));
  EXPECT_TRUE(isCaseSensitiveQuery(cp("Архив")));
  EXPECT_TRUE(isCaseSensitiveQuery(cp("ёЁ")));
  EXPECT_TRUE(isCaseSensitiveQuery("Latin"));
}

TEST(QueryText, BlankMeansNothingAboveTheBlank) {
  EXPECT_TRUE(isBlankQuery(""));
  EXPECT_TRUE(isBlankQuery(" \t "));
  EXPECT_FALSE(isBlankQuery(" ."));
}

struct PrepareCase {
  const char* box;
  SearchMode mode;
  History history;
  const char* query;
  bool caseInsensitive;
  History after;
};

class PrepareQuery : public ::testing::TestWithParam<PrepareCase> {};

History cpAll(const History& utf8) {
  History out;
  for (const auto& s : utf8) out.push_back(cp(s.c_str()));
  return out;
}

TEST_P(PrepareQuery, GivesTheQueryAndHistory) {
  const PrepareCase& c = GetParam();
  const PreparedQuery prepared = prepareQuery(cp(c.box), c.mode, cpAll(c.history));
  EXPECT_EQ(prepared.query, cp(c.query));
  EXPECT_EQ(prepared.caseInsensitive, c.caseInsensitive);
  EXPECT_EQ(prepared.history, cpAll(c.after));
}

INSTANTIATE_TEST_SUITE_P(
    Passes, PrepareQuery,
    ::testing::Values(
        // The same text twice keeps one entry, at the top.
        PrepareCase{"приказ", SearchMode::Phrase, {"приказ", "план"}, "приказ", true, {"приказ", "план"}},
        PrepareCase{"план", SearchMode::Phrase, {"приказ", "план"}, "план", true, {"план", "приказ"}},
        // The first pass ignores case; the second removes exact repetitions.
        PrepareCase{"План", SearchMode::Phrase, {"приказ", "план"}, "План", false, {"План", "приказ"}},
        // The phrase is searched as typed, blanks and signs included.
        PrepareCase{" (дом) ", SearchMode::Phrase, {}, " (дом) ", true, {" (дом) "}},
        // Word modes read back the normalised box trimmed; the normalised
        // text the first pass put in stays below it.
        PrepareCase{
            "(старый), город", SearchMode::AllWords, {}, "старый город", true, {"старый город", " старый город"}},
        PrepareCase{"старый   город", SearchMode::AnyWord, {"старый город"}, "старый город", true, {"старый город"}},
        // The fond prefix's capital is no capital of the words.
        PrepareCase{"Ф.12 приказ", SearchMode::Phrase, {}, "Ф.12 приказ", true, {"Ф.12 приказ"}},
        PrepareCase{"Ф.12 Приказ", SearchMode::Phrase, {}, "Ф.12 Приказ", false, {"Ф.12 Приказ"}},
        // Numbers are normalised, commas made blanks.
        PrepareCase{"12, 15", SearchMode::Number, {"а"}, "12 15", true, {"12 15", "а"}}));

}  // namespace
}  // namespace kestrin::search
