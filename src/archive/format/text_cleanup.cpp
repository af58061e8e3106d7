#include "archive/format/text_cleanup.h"

#include <algorithm>

#include "archive/text/text_edit.h"
#include "archive/text/text_positions.h"

namespace kestrin::archive {

std::string removeSpaces(std::string_view text) {
  std::string out(text);
  std::erase(out, ' ');
  return out;
}

std::string collapseSpaces(std::string_view text) {
  std::string out(text);
  collapseSpacesInPlace(out);
  return out;
}

// Replacing "  " by " " until it is gone leaves one space of every run.
void collapseSpacesInPlace(std::string& text) {
  const auto bothSpaces = [](char a, char b) { return a == ' ' && b == ' '; };
  const auto pair = std::adjacent_find(text.begin(), text.end(), bothSpaces);
  if (pair == text.end()) return;
  text.erase(std::unique(pair, text.end(), bothSpaces), text.end());
}

std::string replaceUntilGone(std::string_view text, std::string_view pattern, std::string_view replacement) {
  std::string out(text);
  replaceUntilGoneInPlace(out, pattern, replacement);
  return out;
}

void replaceUntilGoneInPlace(std::string& text, std::string_view pattern, std::string_view replacement) {
  if (pattern.empty()) return;
  Pos found = posFrom(pattern, text, 1);
  if (found == 0) return;
  if (replacement.size() >= pattern.size()) {
    replaceAllInPlace(text, pattern, replacement);
    return;
  }
  // Every pass shortens the text, so the loop ends.
  while (found != 0) {
    replaceAllInPlace(text, pattern, replacement);
    found = posFrom(pattern, text, found);
  }
}

std::string stripControls(std::string_view text) {
  std::string out(text);
  std::erase_if(out, [](char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 32 && code != '\r' && code != '\n';
  });
  return out;
}

std::string groupThousands(std::string_view digits) {
  std::string out(digits);
  const Pos n = length(digits);
  // Going down keeps the positions still to visit where they were.
  for (Pos p = n; p >= 2; --p) {
    if ((n - p + 1) % 3 == 0) insertAt(out, p, " ");
  }
  return out;
}

}  // namespace kestrin::archive
