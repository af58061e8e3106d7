// The mode the search box selects by itself while a text is typed into it:
// each edit re-selects the number mode for a number, all words for several
// words and the phrase for one word; a number keeps its mode while at most
// two letters follow it ("12 пр" is still a number, "12 при" all words).
#pragma once

#include <string_view>

#include "browse/card/card_text.h"

namespace kestrin::cli {

// The mode after `text` (Windows-1251) is typed character by character into
// the empty box, which starts in phrase mode.
browse::HighlightMode typedSearchMode(std::string_view text);

}  // namespace kestrin::cli
