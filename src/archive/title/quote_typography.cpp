#include "archive/text/text_edit.h"
#include "archive/title/title_autoformat.h"
#include "text/char_classes.h"
#include "text/cp1251_literal.h"

namespace kestrin::archive {

std::string quoteTypography(std::string_view text) {
  std::string s(text);
  const Pos n = length(s);
  if (n == 0) return s;
  int open = 0;  // quotes opened and not yet closed
  if (s.front() == '"') {
    s.front() = text::kLeftGuillemet;
    open = 1;
  }
  if (s.back() == '"') s.back() = text::kRightGuillemet;
  if (n < 3) return s;

  const auto is = [&](Pos p, char c) { return charIs(s, p, c); };
  for (Pos i = 2; i <= n - 1; ++i) {
    char& c = s[static_cast<std::size_t>(i - 1)];
    if (c == '-') {
      const bool rangeStart = is(i - 1, '.') || is(i - 1, '?') || text::chars::isDigit(charAt(s, i - 1));
      const bool rangeEnd = is(i + 1, '?') || text::chars::isDigit(charAt(s, i + 1));
      if ((rangeStart && rangeEnd) || (is(i - 1, ' ') && is(i + 1, ' '))) c = text::kEnDash;
    }
    if (c != '"') continue;
    if (is(i - 1, ' ') || is(i - 1, '(')) {
      c = text::kLeftGuillemet;
      ++open;
    } else if (is(i + 1, ' ') || is(i + 1, '!') || is(i + 1, ')') || is(i + 1, ',') || is(i + 1, '.') ||
               is(i + 1, ':')) {
      c = text::kRightGuillemet;
      --open;
    } else if (open >= 1) {
      c = text::kRightGuillemet;
      --open;
    } else {
      c = text::kLeftGuillemet;
      ++open;
    }
  }
  return s;
}

}  // namespace kestrin::archive
