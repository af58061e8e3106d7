// The quick search's words marked in the card: colours in the order typed,
// case folded by the Windows-1251 letter pairs, nothing in number mode.
#include "browse/card/highlight.h"

#include <gtest/gtest.h>

#include "browse/card/card_fixture.h"

namespace kestrin::browse::testing {
namespace {

constexpr Rgb kBlue = kHighlightColours[0];
constexpr Rgb kGreen = kHighlightColours[1];
constexpr Rgb kMaroon = kHighlightColours[2];

struct HighlightCase {
  const char* name;
  const char* line;
  const char* query;
  HighlightMode mode;
  std::vector<HighlightRun> runs;
};

void PrintTo(const HighlightCase& c, std::ostream* out) { *out << c.name; }

class HighlightTest : public ::testing::TestWithParam<HighlightCase> {};

TEST_P(HighlightTest, MarksTheOccurrences) {
  const HighlightCase& c = GetParam();
  Card card;
  card.lines.push_back(CardLine{text::utf8ToCp1251(c.line), false, CardSize::Base, CardColor::Text, {}});
  highlightCard(card, CardQuery{text::utf8ToCp1251(c.query), c.mode});
  EXPECT_EQ(card.lines[0].spans, c.runs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HighlightTest,
    ::testing::Values(
        HighlightCase{"FourWordsTakeBlueGreenMaroonBlue",
                      "Дело мост река поле",
                      "дело  мост река поле",
                      HighlightMode::AllWords,
                      {{0, 4, kBlue}, {5, 9, kGreen}, {10, 14, kMaroon}, {15, 19, kBlue}}},
        HighlightCase{"AnyWordModeToo", "река и река", "река", HighlightMode::AnyWord, {{0, 4, kBlue}, {7, 11, kBlue}}},
        HighlightCase{
            "CaseFoldedWithYo", "ЁЛКА ёлка Елка", "ёлка", HighlightMode::AllWords, {{0, 4, kBlue}, {5, 9, kBlue}}},
        HighlightCase{"OverlappingOccurrencesMerge", "аааа", "аа", HighlightMode::AllWords, {{0, 4, kBlue}}},
        HighlightCase{"LaterWordWins",
                      "Москва",
                      "москва ск",
                      HighlightMode::AllWords,
                      {{0, 2, kBlue}, {2, 4, kGreen}, {4, 6, kBlue}}},
        HighlightCase{"LeadingBlankTakesTheFirstColour", "мост", " мост", HighlightMode::AllWords, {{0, 4, kGreen}}},
        HighlightCase{
            "PhraseAsTyped", "старый  город, старый город", "старый город", HighlightMode::Phrase, {{15, 27, kBlue}}},
        HighlightCase{"NumberModeMarksNothing", "Д.12", "12", HighlightMode::Number, {}},
        HighlightCase{"EmptyQueryMarksNothing", "Д.12", "", HighlightMode::Phrase, {}}),
    [](const auto& p) { return std::string(p.param.name); });

class CardHighlightTest : public CardFixture {};

// With three words in "Все слова" mode the card shows them in blue, green and maroon.
TEST_F(CardHighlightTest, ThreeWordsOnAFondCard) {
  const auto card =
      cardOf(archive::Level::Fonds, 1, {text::utf8ToCp1251("колхоз ЗАРЯ район"), HighlightMode::AllWords});
  ASSERT_TRUE(card);
  ASSERT_EQ(text::cp1251ToUtf8(card->lines[1].text), "Колхоз «Заря» Ярославского района");
  EXPECT_EQ(card->lines[1].spans, (std::vector<HighlightRun>{{0, 6, kBlue}, {8, 12, kGreen}, {27, 32, kMaroon}}));
  EXPECT_TRUE(card->lines[0].spans.empty());
}

}  // namespace
}  // namespace kestrin::browse::testing
