#include "archive/text/text_search.h"

#include <algorithm>
#include <vector>

#include "text/cp1251_case.h"

namespace kestrin::archive {
namespace {

bool equalExact(char a, char b) { return a == b; }
bool equalNoCase(char a, char b) { return text::toUpper1251(a) == text::toUpper1251(b); }

template <typename Equal>
Pos searchFrom(std::string_view pattern, std::string_view text, Pos start, Equal equal) {
  if (pattern.empty() || text.empty()) return 0;
  const Pos lastStart = length(text) - length(pattern) + 1;
  for (Pos p = std::max<Pos>(start, 1); p <= lastStart; ++p) {
    const auto from = text.begin() + (p - 1);
    if (std::equal(pattern.begin(), pattern.end(), from, equal)) return p;
  }
  return 0;
}

template <typename Equal>
Pos searchBefore(std::string_view pattern, std::string_view text, Pos before, Equal equal) {
  if (pattern.empty() || text.empty() || before <= 1) return 0;
  const Pos end = std::min(before, length(text) + 1);  // the match must end at end − 1 or earlier
  for (Pos p = end - length(pattern); p >= 1; --p) {
    const auto from = text.begin() + (p - 1);
    if (std::equal(pattern.begin(), pattern.end(), from, equal)) return p;
  }
  return 0;
}

// Finds every occurrence first, then builds the result at its final length.
template <typename Equal>
std::string replaceEvery(std::string_view text, std::string_view pattern,
                         std::string_view replacement, Equal equal) {
  std::vector<Pos> hits;
  for (Pos p = searchFrom(pattern, text, 1, equal); p != 0;
       p = searchFrom(pattern, text, p + length(pattern), equal)) {
    hits.push_back(p);
  }
  if (hits.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size() + hits.size() * replacement.size() - hits.size() * pattern.size());
  std::size_t copied = 0;
  for (const Pos p : hits) {
    const auto at = static_cast<std::size_t>(p - 1);
    out.append(text.substr(copied, at - copied));
    out.append(replacement);
    copied = at + pattern.size();
  }
  out.append(text.substr(copied));
  return out;
}

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

}  // namespace

Pos posFrom(std::string_view pattern, std::string_view text, Pos start) {
  if (pattern.empty() || text.empty()) return 0;
  const auto from = static_cast<std::size_t>(std::max<Pos>(start, 1) - 1);
  const auto at = text.find(pattern, from);
  return at == std::string_view::npos ? 0 : static_cast<Pos>(at) + 1;
}

Pos posFromNoCase(std::string_view pattern, std::string_view text, Pos start) {
  return searchFrom(pattern, text, start, equalNoCase);
}

Pos posBefore(std::string_view pattern, std::string_view text, Pos before) {
  return searchBefore(pattern, text, before, equalExact);
}

Pos posBeforeNoCase(std::string_view pattern, std::string_view text, Pos before) {
  return searchBefore(pattern, text, before, equalNoCase);
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

std::string replaceAllNoCase(std::string_view text, std::string_view pattern,
                             std::string_view replacement) {
  return replaceEvery(text, pattern, replacement, equalNoCase);
}

}  // namespace kestrin::archive
