// Adding text to a card the way the rich-text control takes it: every piece
// of text becomes one or more lines with the attributes current at that
// moment, split at its line breaks (CR LF, CR or LF alone).
#pragma once

#include <string_view>

#include "browse/card/card_text.h"

namespace kestrin::browse {

struct LineStyle {
  bool bold = false;
  CardSize size = CardSize::BasePlus2;
  CardColor colour = CardColor::Text;
};

class CardLines {
 public:
  explicit CardLines(Card& card) : card_(card) {}

  // Adds `text` as lines in `style`; an empty text adds one empty line.
  void add(std::string_view text, LineStyle style);

 private:
  Card& card_;
};

}  // namespace kestrin::browse
