// The substring search of the expression engine and of the archival text
// rules, in both foldings.
#include "text/text_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/cp1251_case.h"
#include "text/trims.h"

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

// Blank-padded fields of every length around the blocks of 32 and 64: the
// trim and the search in one pass find what trimming and then searching find.
TEST(TextSearcher, FindInTrimmedAgreesWithTrimThenFind) {
  std::mt19937 random(12);
  for (int round = 0; round < 6000; ++round) {
    std::string hay;
    const std::size_t words = random() % 140;
    const std::size_t padding = random() % 200;
    for (std::size_t i = 0; i < words; ++i) hay += "abAB \t"[random() % 6];
    for (std::size_t i = 0; i < padding; ++i) hay += random() % 8 == 0 ? std::string(1, "\0\x1f\n"[random() % 3]) : " ";
    std::string needle;
    for (std::size_t i = 1 + random() % 4; i > 0; --i) needle += "abAB"[random() % 4];
    const std::string_view trimmed = trimControlsRight(hay);
    const std::size_t minLength = random() % (trimmed.size() + 3);
    const FoldTable& fold = round % 2 ? kUpperTable : identityFold();
    TextSearcher searcher;
    searcher.prepare(needle, fold);
    const std::size_t expected = trimmed.size() < minLength ? std::string::npos : searcher.find(trimmed);
    ASSERT_EQ(searcher.findInTrimmed(hay, minLength), expected) << round << ": " << hay << " / " << needle;
  }
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
