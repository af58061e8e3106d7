// Internal to titleAutoformat: the pass over every character of the title
// from the end towards the start.
#pragma once

#include <string>

#include "archive/text/text_positions.h"

namespace kestrin::archive::detail {

// Visits positions `bound` − 1 down to 2 of `title`, fixing spacing around
// brackets, commas, number signs, slashes, periods, colons, hyphens and
// between numbers and words. `bound` is the title's length before the pass.
void titleCharacterPass(std::string& title, Pos bound);

}  // namespace kestrin::archive::detail
