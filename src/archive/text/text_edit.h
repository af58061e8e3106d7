// Editing Windows-1251 text by position (counted from 1) and trimming.
// Positions outside the text are harmless: reads give kNoChar, edits are
// clamped or ignored as each function states.
#pragma once

#include <string>
#include <string_view>

#include "archive/text/text_positions.h"
#include "text/char_classes.h"

namespace kestrin::archive {

// The code (0..255) of the character at `p`, or text::chars::kNoChar outside the text.
inline int charAt(std::string_view text, Pos p) {
  if (p < 1 || p > length(text)) return text::chars::kNoChar;
  return static_cast<unsigned char>(text[static_cast<std::size_t>(p - 1)]);
}

// True when the character at `p` is `c` (never outside the text).
inline bool charIs(std::string_view text, Pos p, char c) { return charAt(text, p) == static_cast<unsigned char>(c); }

// Inserts `what` before the character now at `p`; a `p` below 1 inserts at
// the start, beyond the end appends.
void insertAt(std::string& text, Pos p, std::string_view what);

// Deletes `count` characters from `start`; a count reaching past the end
// deletes to the end; a start outside the text or a count <= 0 changes nothing.
void deleteRange(std::string& text, Pos start, Pos count);

// Deletes every character that occurs in `set`.
void removeChars(std::string& text, std::string_view set);

// Deletes every character of code 32 and below at both ends.
void trimControls(std::string& text);
std::string trimmedControls(std::string_view text);

// True when no character is above code 32; an empty text is blank.
bool isBlank(std::string_view text);

}  // namespace kestrin::archive
