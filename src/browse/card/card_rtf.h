// Rich Text Format of card text for the clipboard, so that word processors
// on every platform take the card with its fonts, sizes and colours.
#pragma once

#include <string>
#include <vector>

#include "browse/card/card_text.h"

namespace kestrin::browse {

// A piece of text with one set of character attributes.
struct StyledRun {
  std::string text;  // Windows-1251, no line breaks
  bool bold = false;
  int points = 10;
  Rgb colour;
};

using StyledParagraph = std::vector<StyledRun>;

// One RTF document in Arial declared as Windows-1251 (\ansicpg1251): bytes
// above 127 as \'xx, the colours used in a colour table in order of first
// use, sizes in half points. Paragraphs are separated by \par; control
// characters other than tab are dropped.
std::string toRtf(const std::vector<StyledParagraph>& paragraphs);

}  // namespace kestrin::browse
