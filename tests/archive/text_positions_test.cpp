#include "archive/text/text_positions.h"

#include <gtest/gtest.h>

#include "archive/text/text_edit.h"
#include "support/case_names.h"
#include "support/cp1251_test_text.h"

namespace kestrin::archive {
namespace {

using testing::cp;
using testing::utf8;

struct SearchCase {
  const char* pattern;
  const char* text;
  Pos position;
  Pos expected;
};

class PosFromTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(PosFromTest, FindsFirstOccurrenceAtOrAfterStart) {
  const SearchCase& c = GetParam();
  EXPECT_EQ(posFrom(cp(c.pattern), cp(c.text), c.position), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PosFromTest,
                         ::testing::Values(SearchCase{"", "abc", 1, 0}, SearchCase{"a", "", 1, 0},
                                           SearchCase{"b", "abcb", 1, 2}, SearchCase{"b", "abcb", 3, 4},
                                           SearchCase{"b", "abcb", 4, 4}, SearchCase{"b", "abcb", 5, 0},
                                           SearchCase{"cb", "abcb", 4, 0}, SearchCase{"ab", "abab", 0, 1},
                                           SearchCase{"Я", "я", 1, 0}),
                         kestrin::testing::labelled([](const SearchCase& c) {
                           return std::string(c.pattern) + " in " + c.text + " at " + std::to_string(c.position);
                         }));

class PosFromNoCaseTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(PosFromNoCaseTest, ComparesThroughCaseTables) {
  const SearchCase& c = GetParam();
  EXPECT_EQ(posFromNoCase(cp(c.pattern), cp(c.text), c.position), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PosFromNoCaseTest,
                         ::testing::Values(SearchCase{"Ё", "ель ёж", 1, 5}, SearchCase{"я", "ЯЗЫК", 1, 1},
                                           SearchCase{"е", "ёж", 1, 0}, SearchCase{"Ё", "еж", 1, 0},
                                           SearchCase{"abc", "xABC", 1, 2}, SearchCase{"ї", "ЇЖ", 1, 1},
                                           SearchCase{"", "abc", 1, 0}, SearchCase{"a", "", 1, 0}),
                         kestrin::testing::labelled([](const SearchCase& c) {
                           return std::string(c.pattern) + " in " + c.text + " at " + std::to_string(c.position);
                         }));

class PosBeforeTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(PosBeforeTest, FindsLastOccurrenceEndingBeforePosition) {
  const SearchCase& c = GetParam();
  EXPECT_EQ(posBefore(cp(c.pattern), cp(c.text), c.position), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PosBeforeTest,
                         ::testing::Values(SearchCase{"ab", "abab", 5, 3}, SearchCase{"ab", "abab", 4, 1},
                                           SearchCase{"ab", "abab", 1, 0}, SearchCase{"ab", "abab", 99, 3},
                                           SearchCase{"ab", "abab", 3, 1}, SearchCase{"ab", "abab", 2, 0},
                                           SearchCase{"", "abab", 5, 0}, SearchCase{"a", "", 5, 0}),
                         kestrin::testing::labelled([](const SearchCase& c) {
                           return std::string(c.pattern) + " in " + c.text + " at " + std::to_string(c.position);
                         }));

TEST(PosBeforeNoCaseTest, ComparesThroughCaseTables) {
  EXPECT_EQ(posBeforeNoCase(cp("ё"), cp("ЁжЁж"), 5), 3);
  EXPECT_EQ(posBeforeNoCase(cp("е"), cp("ЁжЁж"), 5), 0);
}

struct ReplaceCase {
  const char* text;
  const char* pattern;
  const char* replacement;
  const char* expected;
};

class ReplaceAllTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceAllTest, ReplacesLeftToRightWithoutOverlap) {
  const ReplaceCase& c = GetParam();
  EXPECT_EQ(utf8(replaceAll(cp(c.text), cp(c.pattern), cp(c.replacement))), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceAllTest,
                         ::testing::Values(ReplaceCase{"aaaa", "aa", "a", "aa"}, ReplaceCase{"aaa", "aa", "b", "ba"},
                                           ReplaceCase{"abc", "x", "y", "abc"}, ReplaceCase{"abc", "", "y", "abc"},
                                           ReplaceCase{"мая май", "май", "мая", "мая мая"},
                                           ReplaceCase{"a.b.c", ".", "::", "a::b::c"},
                                           ReplaceCase{"Май", "май", "x", "Май"}),
                         kestrin::testing::labelled([](const ReplaceCase& c) {
                           return std::string(c.text) + " " + c.pattern + " to " + c.replacement;
                         }));

TEST(ReplaceAllNoCaseTest, FindsOccurrencesWithoutRegardToCase) {
  EXPECT_EQ(utf8(replaceAllNoCase(cp("Май и МАЙ, но не мае"), cp("май"), cp("#"))), "# и #, но не мае");
  EXPECT_EQ(utf8(replaceAllNoCase(cp("ЁЖ ЕЖ"), cp("ёж"), cp("-"))), "- ЕЖ");
}

struct DeleteCase {
  const char* text;
  Pos start;
  Pos count;
  const char* expected;
};

class DeleteRangeTest : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(DeleteRangeTest, ClampsToTheText) {
  const DeleteCase& c = GetParam();
  std::string text = c.text;
  deleteRange(text, c.start, c.count);
  EXPECT_EQ(text, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DeleteRangeTest,
                         ::testing::Values(DeleteCase{"abcde", 3, 10, "ab"}, DeleteCase{"abcde", 6, 1, "abcde"},
                                           DeleteCase{"abcde", 0, 2, "abcde"}, DeleteCase{"abcde", 2, 0, "abcde"},
                                           DeleteCase{"abcde", 2, -3, "abcde"}, DeleteCase{"abcde", 2, 2, "ade"},
                                           DeleteCase{"abcde", 5, 1, "abcd"}, DeleteCase{"", 1, 1, ""}),
                         kestrin::testing::labelled([](const DeleteCase& c) {
                           return std::string(c.text) + " from " + std::to_string(c.start) + " count " +
                                  std::to_string(c.count);
                         }));

TEST(InsertAtTest, ClampsOutsidePositions) {
  std::string text = "ac";
  insertAt(text, 2, "b");
  EXPECT_EQ(text, "abc");
  insertAt(text, 0, "<");
  insertAt(text, 99, ">");
  EXPECT_EQ(text, "<abc>");
}

TEST(RemoveCharsTest, DeletesEveryMemberOfTheSet) {
  std::string text = "[1920]";
  removeChars(text, "[]");
  EXPECT_EQ(text, "1920");
  text = "abcabc";
  removeChars(text, "cba");
  EXPECT_EQ(text, "");
}

TEST(TrimControlsTest, TrimsSpacesTabsAndLineBreaksAtBothEnds) {
  std::string text = "\t\r\n  a b\t\r\n ";
  trimControls(text);
  EXPECT_EQ(text, "a b");
  text = " \t ";
  trimControls(text);
  EXPECT_EQ(text, "");
  EXPECT_EQ(trimmedControls(cp(" ё ")), cp("ё"));  // codes above 127 are not blanks
}

TEST(IsBlankTest, TrueWhenNothingAboveCode32) {
  EXPECT_TRUE(isBlank(""));
  EXPECT_TRUE(isBlank(" \t\r\n"));
  EXPECT_FALSE(isBlank(" . "));
  EXPECT_FALSE(isBlank(cp(" я ")));
}

}  // namespace
}  // namespace kestrin::archive
