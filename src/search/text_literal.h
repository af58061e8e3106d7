// Search texts as literals of the filter language. A person's phrase may hold
// any character, while a literal ends at its closing delimiter and a group
// ends at the first ")" that balances it, quotes or not; the literal built
// here holds the phrase exactly as typed whatever it contains.
#pragma once

#include <string>
#include <string_view>

namespace kestrin::search {

// `text` as an expression whose value is `text`: one quoted literal when a
// delimiter the text lacks exists and it holds no round bracket, otherwise
// quoted runs joined by "+" with CHR(n) for the brackets and the quote.
std::string textLiteral(std::string_view text);

}  // namespace kestrin::search
