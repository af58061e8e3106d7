// The substring search of the expression engine and of the archival text
// rules, in both foldings.
#include "text/text_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/cp1251_case.h"

namespace kestrin::text {
namespace {

// The searcher finds what a plain search finds, in both foldings, including
// on texts that defeat its skip loop.
TEST(TextSearcher, AgreesWithPlainSearch) {
  std::mt19937 random(11);
  const FoldTable& upper = kUpperTable;
  for (int round = 0; round < 4000; ++round) {
    std::string hay;
    std::string needle;
    // Long texts and needles for a quarter of the rounds: blocks of every
    // width, and the rest after them.
    const bool longer = round % 4 == 3;
    const std::size_t n = random() % (longer ? 300 : 100);
    const std::size_t m = 1 + random() % (longer ? 40 : 5);
    for (std::size_t i = 0; i < n; ++i) hay += "abAB"[random() % (round % 2 ? 4 : 2)];
    for (std::size_t i = 0; i < m; ++i) needle += "abAB"[random() % (round % 2 ? 4 : 2)];
    if (longer && m < n && random() % 2 == 0) needle = hay.substr(random() % (n - m), m);
    TextSearcher exact;
    exact.prepare(needle, identityFold());
    EXPECT_EQ(exact.find(hay), hay.find(needle)) << hay << " / " << needle;
    TextSearcher folded;
    folded.prepare(needle, upper);
    EXPECT_EQ(folded.find(hay), upper1251(hay).find(upper1251(needle))) << hay << " / " << needle;
  }
  const std::string hay(300000, 'a');
  const std::string needle = "b" + std::string(3000, 'a');
  TextSearcher searcher;
  searcher.prepare(needle, identityFold());
  EXPECT_EQ(searcher.find(hay), std::string::npos);
  EXPECT_EQ(searcher.find(hay + needle), hay.size());
  const std::string middle = std::string(1500, 'a') + "b" + std::string(1500, 'a');
  searcher.prepare(middle, upper);
  EXPECT_EQ(searcher.find(hay), std::string::npos);
  EXPECT_EQ(searcher.find(hay + "B" + hay), hay.size() - 1500);
}

TEST(TextSearcher, EmptyNeedleAndShortTexts) {
  TextSearcher searcher;
  searcher.prepare("", identityFold());
  EXPECT_EQ(searcher.find("abc"), 0u);
  EXPECT_EQ(searcher.find(""), 0u);
  searcher.prepare("abcd", identityFold());
  EXPECT_EQ(searcher.find("abc"), std::string::npos);
  EXPECT_FALSE(searcher.foundIn(""));
  EXPECT_TRUE(searcher.foundIn("xabcd"));
}

}  // namespace
}  // namespace kestrin::text
