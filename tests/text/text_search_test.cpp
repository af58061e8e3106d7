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

// Blank-padded fields of every length around the blocks of 32 and 64, alone
// and as fields of a block of records: the trim and the search find what
// trimming and then a plain search find, and nothing in the bytes after a
// field's end counts.
TEST(TextSearcher, FindInTrimmedAndFlagFieldsHoldingAgreeWithTrimThenFind) {
  std::mt19937 random(12);
  for (int round = 0; round < 6000; ++round) {
    std::string hay;
    const std::size_t words = random() % 140;
    const std::size_t padding = random() % 200;
    for (std::size_t i = 0; i < words; ++i) hay += "abAB \t"[random() % 6];
    for (std::size_t i = 0; i < padding; ++i) hay += random() % 8 == 0 ? std::string(1, "\0\x1f\n"[random() % 3]) : " ";
    std::string needle;
    for (std::size_t i = 1 + random() % 4; i > 0; --i) needle += "abAB "[random() % 5];
    const std::string_view trimmed = trimControlsRight(hay);
    const std::size_t minLength = random() % (trimmed.size() + 3);
    const bool folded = round % 2 != 0;
    TextSearcher searcher;
    searcher.prepare(needle, folded ? kUpperTable : identityFold());
    const std::size_t expected = trimmed.size() < minLength ? std::string::npos
                                 : folded                   ? upper1251(trimmed).find(upper1251(needle))
                                                            : trimmed.find(needle);
    ASSERT_EQ(searcher.findInTrimmed(hay, minLength), expected) << round << ": " << hay << " / " << needle;

    // Three records of the field and a tail that would complete the needle;
    // the middle one is flagged already and must stay so.
    const std::string record = hay + needle.substr(1) + "ab";
    const std::string block = record + record + record;
    char flags[3] = {0, 1, 0};
    searcher.flagFieldsHolding(block.data(), record.size(), hay.size(), minLength, flags);
    const char holds = expected != std::string::npos;
    ASSERT_EQ(std::string(flags, 3), std::string({holds, 1, holds})) << round << ": " << hay << " / " << needle;
  }
}

// A single occurrence in a long text without candidates is found wherever
// it lies, and texts of every length without one give none: no block,
// single or double, passes a position over or reads past the text. In a field,
// the occurrence ends the text and blanks pad it to the field's width, so
// the last position of every length of text is tested.
TEST(TextSearcher, FindsALoneOccurrenceAtEveryPosition) {
  constexpr std::size_t kWidth = 250;
  for (const std::string& needle :
       {std::string("b"), std::string("bA"), std::string("bAaAb"), std::string(33, 'a') + "b"}) {
    for (const FoldTable* fold : {&identityFold(), &kUpperTable}) {
      TextSearcher searcher;
      searcher.prepare(needle, *fold);
      for (std::size_t length = 0; length <= 300; ++length) {
        ASSERT_EQ(searcher.find(std::string(length, 'x')), std::string::npos) << needle << " in " << length;
      }
      for (std::size_t at = 0; at + needle.size() <= 300; ++at) {
        std::string hay(300, 'x');
        hay.replace(at, needle.size(), needle);
        ASSERT_EQ(searcher.find(hay), at) << needle << " at " << at;
        ASSERT_EQ(searcher.findInTrimmed(hay, 0), at) << needle << " at " << at;
        if (at + needle.size() > kWidth) continue;
        std::string field = hay.substr(0, at + needle.size());
        field.resize(kWidth, ' ');
        ASSERT_EQ(searcher.findInTrimmed(field, 0), at) << needle << " at " << at;
        char flag = 0;
        searcher.flagFieldsHolding((field + "xx").data(), kWidth + 2, kWidth, 0, {&flag, 1});
        ASSERT_EQ(flag, 1) << needle << " at " << at;
      }
    }
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
