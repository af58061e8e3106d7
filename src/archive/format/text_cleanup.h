// Small clean-up operations on Windows-1251 text used by the date, number and
// title formatting. All replacements are case-sensitive.
#pragma once

#include <string>
#include <string_view>

namespace kestrin::archive {

// The text with every space deleted.
std::string removeSpaces(std::string_view text);

// The text with every run of spaces reduced to one space.
std::string collapseSpaces(std::string_view text);
void collapseSpacesInPlace(std::string& text);

// Replaces `pattern` by `replacement` until the pattern no longer occurs:
// a full replace pass, then a new search from where the last one found it.
// Callers use replacements shorter than their patterns; a replacement that is
// not shorter could rebuild the pattern for ever, so then one pass is made.
std::string replaceUntilGone(std::string_view text, std::string_view pattern, std::string_view replacement);
// The same in place; a text without the pattern is left as it is.
void replaceUntilGoneInPlace(std::string& text, std::string_view pattern, std::string_view replacement);

// The text without characters of code 0..31 other than CR and LF.
std::string stripControls(std::string_view text);

// A text of digits grouped by three from the right with single spaces:
// 1234567 gives "1 234 567".
std::string groupThousands(std::string_view digits);

}  // namespace kestrin::archive
