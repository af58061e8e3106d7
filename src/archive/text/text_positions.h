// Searching and replacing in Windows-1251 text by position, counted from 1 as
// the archival formatting rules count; 0 means "not found". The searching
// itself is text/text_search.h's. The no-case variants compare through the
// code page's case tables (text/cp1251_case.h), so ё matches Ё but not е.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kestrin::archive {

// A position in a text, counted from 1. Signed, because the rules of the
// formatting code compute positions such as p − 2 that may fall before 1.
using Pos = std::ptrdiff_t;

inline Pos length(std::string_view text) { return static_cast<Pos>(text.size()); }

// The first occurrence of `pattern` starting at or after `start`; 0 when there
// is none, when either text is empty or when `start` is beyond the last
// possible start. A start below 1 counts as 1.
Pos posFrom(std::string_view pattern, std::string_view text, Pos start = 1);
Pos posFromNoCase(std::string_view pattern, std::string_view text, Pos start = 1);

// The start of the last occurrence of `pattern` that ends before position
// `before` (at `before` − 1 or earlier); a `before` beyond the end counts as
// one past the end. 0 when there is none, when either text is empty or when
// `before` <= 1.
Pos posBefore(std::string_view pattern, std::string_view text, Pos before);
Pos posBeforeNoCase(std::string_view pattern, std::string_view text, Pos before);

// Every occurrence of `pattern` replaced, scanning left to right without
// overlap, in one pass. An empty pattern changes nothing.
std::string replaceAll(std::string_view text, std::string_view pattern, std::string_view replacement);
// The same in place; a text without the pattern is left as it is at the cost
// of one search. True when something was replaced.
bool replaceAllInPlace(std::string& text, std::string_view pattern, std::string_view replacement);
std::string replaceAllNoCase(std::string_view text, std::string_view pattern, std::string_view replacement);

}  // namespace kestrin::archive
