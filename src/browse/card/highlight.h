// The quick search's words marked in a card: every occurrence, found without
// regard to case (the Windows-1251 letter pairs), in bold and in the word's
// colour; the words take blue, green and maroon in turn in the order typed.
// A later word's colour wins where occurrences overlap.
#pragma once

#include <string>
#include <vector>

#include "browse/card/card_builder.h"

namespace kestrin::browse {

// The words to mark for the search box's text and mode: in the word modes
// the text with its blank runs reduced, cut at each blank (an empty word
// where the text starts with a blank: it takes its colour and marks
// nothing); in phrase mode the whole text; none in number mode.
std::vector<std::string> highlightWords(const CardQuery& query);

// Replaces the highlighted runs of every line of `card`.
void highlightCard(Card& card, const CardQuery& query);

}  // namespace kestrin::browse
