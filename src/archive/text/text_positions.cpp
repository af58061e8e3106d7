#include "archive/text/text_positions.h"

#include <algorithm>

#include "text/cp1251_case.h"
#include "text/text_search.h"

namespace kestrin::archive {
namespace {

// The text with every exact occurrence of `pattern` replaced, the first of
// them at `first`.
std::string replacedFrom(std::string_view text, std::size_t first, std::string_view pattern,
                         std::string_view replacement) {
  std::string out;
  out.reserve(text.size());
  std::size_t copied = 0;
  for (std::size_t at = first; at != std::string_view::npos; at = text.find(pattern, copied)) {
    out.append(text.substr(copied, at - copied));
    out.append(replacement);
    copied = at + pattern.size();
  }
  out.append(text.substr(copied));
  return out;
}

// The 0-based start of the last occurrence that ends before the 1-based
// position `before`, searched in `text` and `pattern` as they are given.
Pos lastBefore(std::string_view pattern, std::string_view text, Pos before) {
  if (pattern.empty() || text.empty() || before <= 1) return 0;
  const Pos end = std::min(before, length(text) + 1);  // the match must end at end − 1 or earlier
  const Pos lastStart = end - length(pattern) - 1;     // counted from 0
  if (lastStart < 0) return 0;
  const std::size_t at = text.rfind(pattern, static_cast<std::size_t>(lastStart));
  return at == std::string_view::npos ? 0 : static_cast<Pos>(at) + 1;
}

}  // namespace

Pos posFrom(std::string_view pattern, std::string_view text, Pos start) {
  if (pattern.empty() || text.empty()) return 0;
  const auto from = static_cast<std::size_t>(std::max<Pos>(start, 1) - 1);
  const auto at = text.find(pattern, from);
  return at == std::string_view::npos ? 0 : static_cast<Pos>(at) + 1;
}

Pos posFromNoCase(std::string_view pattern, std::string_view text, Pos start) {
  const auto from = static_cast<std::size_t>(std::max<Pos>(start, 1) - 1);
  if (pattern.empty() || from >= text.size()) return 0;
  text::TextSearcher searcher;
  searcher.prepare(pattern, text::kUpperTable);
  const std::size_t at = searcher.find(text.substr(from));
  return at == std::string_view::npos ? 0 : static_cast<Pos>(from + at) + 1;
}

Pos posBefore(std::string_view pattern, std::string_view text, Pos before) { return lastBefore(pattern, text, before); }

Pos posBeforeNoCase(std::string_view pattern, std::string_view text, Pos before) {
  // Case folding keeps every byte in its place, so positions in the folded
  // copies are positions in the text.
  return lastBefore(text::upper1251(pattern), text::upper1251(text), before);
}

std::string replaceAll(std::string_view text, std::string_view pattern, std::string_view replacement) {
  const std::size_t first = pattern.empty() ? std::string_view::npos : text.find(pattern);
  if (first == std::string_view::npos) return std::string(text);
  return replacedFrom(text, first, pattern, replacement);
}

bool replaceAllInPlace(std::string& text, std::string_view pattern, std::string_view replacement) {
  const std::size_t first = pattern.empty() ? std::string::npos : text.find(pattern);
  if (first == std::string::npos) return false;
  text = replacedFrom(text, first, pattern, replacement);
  return true;
}

std::string replaceAllNoCase(std::string_view text, std::string_view pattern, std::string_view replacement) {
  if (pattern.empty()) return std::string(text);
  text::TextSearcher searcher;
  searcher.prepare(pattern, text::kUpperTable);
  std::string out;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t at = searcher.find(text.substr(from));
    if (at == std::string_view::npos) break;
    out.append(text.substr(from, at));
    out.append(replacement);
    from += at + pattern.size();
  }
  out.append(text.substr(from));
  return out;
}

}  // namespace kestrin::archive
