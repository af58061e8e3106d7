#include "archive/format/text_cleanup.h"

#include <algorithm>

#include "archive/text/text_edit.h"
#include "archive/text/text_search.h"

namespace kestrin::archive {

std::string removeSpaces(std::string_view text) {
  std::string out(text);
  std::erase(out, ' ');
  return out;
}

std::string collapseSpaces(std::string_view text) { return replaceUntilGone(text, "  ", " "); }

std::string replaceUntilGone(std::string_view text, std::string_view pattern,
                             std::string_view replacement) {
  std::string out(text);
  if (pattern.empty()) return out;
  Pos found = posFrom(pattern, out, 1);
  if (found == 0) return out;
  if (replacement.size() >= pattern.size()) return replaceAll(out, pattern, replacement);
  // Every pass shortens the text, so the loop ends.
  while (found != 0) {
    out = replaceAll(out, pattern, replacement);
    found = posFrom(pattern, out, found);
  }
  return out;
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
