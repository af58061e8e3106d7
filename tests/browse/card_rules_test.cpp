// The card's rules without a display: the double-click flags over the
// gestures a person makes, the runs a line is drawn in, the RTF of the
// clipboard and the word "Найти!" takes from the caret.
#include <gtest/gtest.h>

#include "browse/card/card_rtf.h"
#include "browse/card/card_runs.h"
#include "browse/card/caret_word.h"
#include "browse/card/double_click_flags.h"
#include "support/case_names.h"
#include "support/cp1251_test_text.h"

namespace kestrin::browse {
namespace {

using kestrin::testing::cp;
using kestrin::testing::labelled;

// --- double-click flags ---

// Events on the fond grid: p press, c click, d double click (drill-down;
// the fond card it builds and the drill-down's own flag), e Enter drill-down
// (no press), k a record-stepping key's card. Each click records whether it
// builds the card.
struct GestureCase {
  const char* label;
  const char* events;
  std::vector<bool> builds;
};

class DoubleClickFlagsTest : public ::testing::TestWithParam<GestureCase> {};

TEST_P(DoubleClickFlagsTest, ClicksThatBuild) {
  DoubleClickFlags flags;
  std::vector<bool> builds;
  for (const char* e = GetParam().events; *e; ++e) {
    switch (*e) {
      case 'p':
        flags.pressed();
        break;
      case 'c':
        builds.push_back(flags.clickBuildsCard());
        if (builds.back()) flags.cardBuilt();
        break;
      case 'd':
      case 'e':
        flags.drilledDown();
        break;
      case 'k':
        flags.cardBuilt();
        break;
    }
  }
  EXPECT_EQ(builds, GetParam().builds) << GetParam().events;
}

INSTANTIATE_TEST_SUITE_P(Gestures, DoubleClickFlagsTest,
                         ::testing::Values(GestureCase{"single clicks", "pcpcpc", {true, true, true}},
                                           // Qt: press, click, press, double click and no click after it.
                                           GestureCase{"qt double click then a click", "pcpdpc", {true, true}},
                                           // A toolkit that reports the double click's release as a click too.
                                           GestureCase{"trailing click swallowed", "pcpdc", {true, false}},
                                           GestureCase{"click after trailing click", "pcpdcpc", {true, false, true}},
                                           GestureCase{"enter drill-down then click", "pcepc", {true, true}},
                                           GestureCase{"key card then enter then click", "kepc", {true}}),
                         labelled([](const GestureCase& c) { return std::string(c.label); }));

// --- line runs ---

struct RunsCase {
  const char* label;
  CardLine line;
  std::vector<LineRun> runs;
};

class LineRunsTest : public ::testing::TestWithParam<RunsCase> {};

TEST_P(LineRunsTest, CoverTheLine) { EXPECT_EQ(lineRuns(GetParam().line), GetParam().runs); }

constexpr Rgb kBlue = kHighlightColours[0];
constexpr Rgb kGreen = kHighlightColours[1];

INSTANTIATE_TEST_SUITE_P(
    Lines, LineRunsTest,
    ::testing::Values(
        RunsCase{"plain", {"abcdef", false, CardSize::Base, CardColor::Text, {}}, {{0, 6, false, std::nullopt}}},
        RunsCase{"bold line", {"abc", true, CardSize::Base, CardColor::Text, {}}, {{0, 3, true, std::nullopt}}},
        RunsCase{"empty", {"", true, CardSize::Base, CardColor::Text, {}}, {}},
        RunsCase{"middle span",
                 {"abcdef", false, CardSize::Base, CardColor::Text, {{2, 4, kBlue}}},
                 {{0, 2, false, std::nullopt}, {2, 4, true, kBlue}, {4, 6, false, std::nullopt}}},
        RunsCase{"span at both ends",
                 {"abcdef", false, CardSize::Base, CardColor::Text, {{0, 2, kBlue}, {4, 6, kGreen}}},
                 {{0, 2, true, kBlue}, {2, 4, false, std::nullopt}, {4, 6, true, kGreen}}},
        RunsCase{"later span wins",
                 {"abcdef", false, CardSize::Base, CardColor::Text, {{0, 4, kBlue}, {2, 6, kGreen}}},
                 {{0, 2, true, kBlue}, {2, 6, true, kGreen}}},
        RunsCase{"span cut to the line",
                 {"abc", false, CardSize::Base, CardColor::Text, {{1, 9, kBlue}, {-3, 0, kGreen}}},
                 {{0, 1, false, std::nullopt}, {1, 3, true, kBlue}}}),
    labelled([](const RunsCase& c) { return std::string(c.label); }));

// --- RTF ---

TEST(CardRtfTest, HeaderDeclaresArialAndTheCodePage) {
  const std::string rtf = toRtf({{{"A", false, 10, Rgb{0, 0, 0}}}});
  EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}}", 0), 0u);
  EXPECT_EQ(rtf.back(), '\n');
  EXPECT_EQ(rtf[rtf.size() - 2], '}');
}

struct RtfCase {
  const char* label;
  std::vector<StyledParagraph> paragraphs;
  std::string colours;  // the colour table's entries
  std::string body;     // after "\pard\plain\n", without the closing brace
};

class CardRtfBodyTest : public ::testing::TestWithParam<RtfCase> {};

TEST_P(CardRtfBodyTest, Body) {
  const std::string rtf = toRtf(GetParam().paragraphs);
  const std::string colours = "{\\colortbl;" + GetParam().colours + "}\n\\pard\\plain\n";
  const auto at = rtf.find(colours);
  ASSERT_NE(at, std::string::npos) << rtf;
  EXPECT_EQ(rtf.substr(at + colours.size()), GetParam().body + "}\n");
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kMaroon = kHighlightColours[2];

INSTANTIATE_TEST_SUITE_P(
    Cards, CardRtfBodyTest,
    ::testing::Values(
        RtfCase{"one run", {{{"Fond", true, 10, kBlack}}}, "\\red0\\green0\\blue0;", "{\\f0\\fs20\\cf1\\b Fond}"},
        RtfCase{"cyrillic as hex of cp1251",
                {{{cp("Ф.1 ё"), false, 12, kBlack}}},
                "\\red0\\green0\\blue0;",
                "{\\f0\\fs24\\cf1 \\'d4.1 \\'b8}"},
        RtfCase{"special characters escaped, controls dropped",
                {{{"a\\b{c}\td\x01", false, 8, kBlack}}},
                "\\red0\\green0\\blue0;",
                "{\\f0\\fs16\\cf1 a\\\\b\\{c\\}\\tab d}"},
        RtfCase{"colours in order of first use, reused",
                {{{"x", false, 10, kGreyNote}, {"y", true, 10, kMaroon}}, {}, {{"z", false, 10, kGreyNote}}},
                "\\red128\\green128\\blue128;\\red128\\green0\\blue0;",
                "{\\f0\\fs20\\cf1 x}{\\f0\\fs20\\cf2\\b y}\\par\n\\par\n{\\f0\\fs20\\cf1 z}"},
        RtfCase{"nothing", {}, "", ""}),
    labelled([](const RtfCase& c) { return std::string(c.label); }));

// --- the word at the caret ---

struct WordCase {
  const char* text;  // UTF-8; '|' marks the caret
  const char* word;
};

class CaretWordTest : public ::testing::TestWithParam<WordCase> {};

TEST_P(CaretWordTest, Word) {
  const std::string marked = cp(GetParam().text);
  const auto caret = marked.find('|');
  ASSERT_NE(caret, std::string::npos);
  const std::string text = marked.substr(0, caret) + marked.substr(caret + 1);
  EXPECT_EQ(cyrillicWordAt(text, static_cast<int>(caret)), cp(GetParam().word)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Carets, CaretWordTest,
                         ::testing::Values(WordCase{"Город Мос|ква, 1925", "Москва"},
                                           WordCase{"Город |Москва, 1925", "Москва"},
                                           WordCase{"Город Москва|, 1925", "Москва"},
                                           WordCase{"Город Москва, 1|925", ""}, WordCase{"Город Москва, |1925", ""},
                                           WordCase{"|Ёлки", "Ёлки"}, WordCase{"ёлк|и", "ёлки"},
                                           WordCase{"Moscow|", ""}, WordCase{"Дом|Moscow", "Дом"}, WordCase{"|", ""},
                                           WordCase{"1Мо|ск2", "Моск"}),
                         labelled([](const WordCase& c) { return std::string(c.text); }));

TEST(CaretWordTest, CaretOutsideTheTextStopsAtItsEnds) {
  EXPECT_EQ(cyrillicWordAt(cp("Дом"), 10), cp("Дом"));
  EXPECT_EQ(cyrillicWordAt(cp("Дом"), -4), cp("Дом"));
}

}  // namespace
}  // namespace kestrin::browse
