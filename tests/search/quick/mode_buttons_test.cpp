// The mode buttons as a person types: each text typed character by character
// into the box, from the start state.
#include "search/quick/mode_buttons.h"

#include <gtest/gtest.h>

#include "support/case_names.h"
#include "support/table_builder.h"

namespace kestrin::search {
namespace {

using kestrin::testing::cp;

struct TypedCase {
  const char* typed;
  SearchMode checked;
  const char* allWordsCaption;
  bool wordsEnabled;
  bool numberEnabled;
};

class ModeAfterTyping : public ::testing::TestWithParam<TypedCase> {};

TEST_P(ModeAfterTyping, SelectsTheButtons) {
  const TypedCase& c = GetParam();
  const std::string text = cp(c.typed);
  ModeButtons buttons;
  for (std::size_t n = 1; n <= text.size(); ++n) buttons = afterBoxEdit(buttons, text.substr(0, n));
  EXPECT_EQ(buttons.checked, c.checked);
  EXPECT_EQ(allWordsCaption(buttons), cp(c.allWordsCaption));
  EXPECT_EQ(buttons.allWordsEnabled, c.wordsEnabled);
  EXPECT_EQ(buttons.anyWordEnabled, c.wordsEnabled);
  EXPECT_EQ(buttons.numberEnabled, c.numberEnabled);
}

INSTANTIATE_TEST_SUITE_P(Typing, ModeAfterTyping,
                         ::testing::Values(TypedCase{"12", SearchMode::Number, "Все слова", false, true},
                                           TypedCase{"12 пр", SearchMode::Number, "Оба слова", true, true},
                                           TypedCase{"12 приказ", SearchMode::AllWords, "Оба слова", true, true},
                                           TypedCase{"приказ", SearchMode::Phrase, "Все слова", false, false},
                                           TypedCase{"старый город", SearchMode::AllWords, "Оба слова", true, false},
                                           TypedCase{"а б в", SearchMode::AllWords, "Все слова", true, false},
                                           TypedCase{"  старый   город  ", SearchMode::AllWords, "Оба слова", true,
                                                     false},
                                           TypedCase{"0", SearchMode::Phrase, "Все слова", false, true},
                                           TypedCase{"12, 15", SearchMode::Number, "Оба слова", true, true},
                                           TypedCase{"1920 год", SearchMode::AllWords, "Оба слова", true, true}),
                         kestrin::testing::labelled([](const TypedCase& c) { return std::string(c.typed); }));

TEST(ModeButtons, AnEditReselectsAModeThePersonChose) {
  ModeButtons buttons = afterBoxEdit({}, cp("старый город"));
  buttons.checked = SearchMode::AnyWord;
  EXPECT_EQ(afterBoxEdit(buttons, cp("старый город")).checked, SearchMode::AllWords);
  buttons.checked = SearchMode::Phrase;
  EXPECT_EQ(afterBoxEdit(buttons, cp("старый")).checked, SearchMode::Phrase);
}

TEST(ModeButtons, NumberStaysCheckedWhileDigitsAndFewLettersRemain) {
  ModeButtons buttons = afterBoxEdit({}, "12");
  EXPECT_EQ(afterBoxEdit(buttons, cp("12а")).checked, SearchMode::Number);
  // Without a digit the number button is disabled and gives way.
  EXPECT_EQ(afterBoxEdit(buttons, cp("аб")).checked, SearchMode::Phrase);
}

TEST(ModeButtons, CheckedAndEnabled) {
  ModeButtons buttons;
  buttons.checked = SearchMode::AllWords;
  buttons.allWordsEnabled = false;
  EXPECT_FALSE(buttons.checkedAndEnabled(SearchMode::AllWords));
  buttons.allWordsEnabled = true;
  EXPECT_TRUE(buttons.checkedAndEnabled(SearchMode::AllWords));
  EXPECT_FALSE(buttons.checkedAndEnabled(SearchMode::AnyWord));
}

}  // namespace
}  // namespace kestrin::search
