// The mode buttons under the search box and how every edit of the box
// re-selects them: a number checks "Номер", several words "Все слова" (named
// "Оба слова" for exactly two), one word "Как есть"; the person changes the
// mode after typing.
#pragma once

#include <string_view>

#include "browse/card/card_text.h"

namespace kestrin::search {

// The four modes; the card highlights by the same value.
using SearchMode = browse::HighlightMode;

struct ModeButtons {
  SearchMode checked = SearchMode::Phrase;  // "Как есть" at start
  bool allWordsEnabled = true;              // rbAnd
  bool anyWordEnabled = true;               // rbOr
  bool numberEnabled = true;                // rbNum
  bool twoWords = false;                    // rbAnd reads "Оба слова"

  bool isChecked(SearchMode mode) const { return checked == mode; }
  bool checkedAndEnabled(SearchMode mode) const;
};

// The buttons after the box text became `boxText` (Windows-1251).
ModeButtons afterBoxEdit(ModeButtons buttons, std::string_view boxText);

// rbAnd's caption (Windows-1251).
std::string_view allWordsCaption(const ModeButtons& buttons);

}  // namespace kestrin::search
