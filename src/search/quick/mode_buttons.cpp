#include "search/quick/mode_buttons.h"

#include "archive/format/numbers.h"
#include "search/quick/query_text.h"
#include "text/char_classes.h"
#include "text/cp1251_literal.h"

namespace kestrin::search {

using namespace text::literals;

bool ModeButtons::checkedAndEnabled(SearchMode mode) const {
  if (checked != mode) return false;
  switch (mode) {
    case SearchMode::AllWords:
      return allWordsEnabled;
    case SearchMode::AnyWord:
      return anyWordEnabled;
    case SearchMode::Number:
      return numberEnabled;
    case SearchMode::Phrase:
      return true;
  }
  return false;
}

ModeButtons afterBoxEdit(ModeButtons buttons, std::string_view boxText) {
  const std::string text = trimmedCollapsed(boxText);
  const bool hasBlank = text.find(' ') != std::string::npos;
  bool hasDigit = false;
  int letters = 0;
  int blanks = 0;
  for (const char c : text) {
    const int code = static_cast<unsigned char>(c);
    hasDigit = hasDigit || text::chars::isDigit(code);
    if (text::chars::isLetter(code)) ++letters;
    if (c == ' ') ++blanks;
  }
  buttons.allWordsEnabled = hasBlank;
  buttons.anyWordEnabled = hasBlank;
  buttons.numberEnabled = hasDigit;

  bool numberChecked = buttons.checked == SearchMode::Number;
  const auto number = archive::wholeNumber(text);
  if (number && *number != 0) numberChecked = true;
  if (letters > 2) numberChecked = false;
  if (!numberChecked || !buttons.numberEnabled) {
    buttons.checked = hasBlank ? SearchMode::AllWords : SearchMode::Phrase;
  } else {
    buttons.checked = SearchMode::Number;
  }
  buttons.twoWords = blanks == 1;
  return buttons;
}

std::string_view allWordsCaption(const ModeButtons& buttons) {
  return buttons.twoWords ? "Оба слова"_cp1251 : "Все слова"_cp1251;
}

}  // namespace kestrin::search
