#include "archive/title/title_autoformat.h"

#include <algorithm>
#include <utility>

#include "archive/format/numbers.h"
#include "archive/format/text_cleanup.h"
#include "archive/text/text_edit.h"
#include "archive/title/title_character_pass.h"
#include "text/char_classes.h"
#include "text/cp1251_literal.h"

namespace kestrin::archive {

using namespace text::literals;

namespace {

using text::chars::isDigit;

constexpr char kQuote = '"';
constexpr char kLetterGe = "г"_cp1251[0];
constexpr std::string_view kNumberSignText = "№"_cp1251;

// Spaces inside the outer quotes go; the quotes get a space outside. Returns
// the length the character pass is bounded by.
Pos tidyOuterQuotes(std::string& t) {
  Pos bound = length(t);
  if (const Pos q = posFrom("\"", t); q != 0) {
    if (q < bound && charIs(t, q + 1, ' ')) {
      deleteRange(t, q + 1, 1);
      --bound;
    }
    if (q > 1 && !charIs(t, q - 1, ' ')) {
      insertAt(t, q, " ");
      ++bound;
    }
  }
  std::replace(t.begin(), t.end(), '#', text::kNumberSign);
  Pos q = bound;
  while (q >= 2 && !charIs(t, q, kQuote)) --q;
  if (q >= 2) {
    if (q < bound &&
        !(charIs(t, q + 1, ' ') || charIs(t, q + 1, ')') || charIs(t, q + 1, ',') || charIs(t, q + 1, '.'))) {
      insertAt(t, q + 1, " ");
      ++bound;
    }
    if (charIs(t, q - 1, ' ')) {
      deleteRange(t, q - 1, 1);
      --bound;
    }
  }
  std::replace(t.begin(), t.end(), '\\', '/');
  return bound;
}

// "N" at the very start, which the character pass does not visit.
void numberSignAtStart(std::string& t) {
  const auto cyrillicAt = [&](Pos p) { return text::chars::isCyrillic(charAt(t, p)); };
  if (length(t) >= 2 && charIs(t, 1, 'N') && isDigit(charAt(t, 2))) {
    t[0] = text::kNumberSign;
    insertAt(t, 2, " ");
  }
  if (length(t) >= 3 && charIs(t, 1, 'N') && charIs(t, 2, ' ') && isDigit(charAt(t, 3))) t[0] = text::kNumberSign;
  if (length(t) >= 4 && charIs(t, 1, 'N') && charIs(t, 2, ' ') && charIs(t, 3, text::kNumberSign) &&
      charIs(t, 4, ' ')) {
    t[0] = text::kNumberSign;
  }
  if (length(t) >= 5 && charIs(t, 1, 'N') && charIs(t, 2, ' ') && cyrillicAt(3) && charIs(t, 4, '-') &&
      isDigit(charAt(t, 5))) {
    t[0] = text::kNumberSign;
  }
}

// Four digits from `p`, the first 1 or 2: a year of the 11th to 29th century.
bool yearAt(std::string_view t, Pos p) {
  return (charIs(t, p, '1') || charIs(t, p, '2')) && isDigit(charAt(t, p + 1)) && isDigit(charAt(t, p + 2)) &&
         isDigit(charAt(t, p + 3));
}

// "1920г" → "1920 г.". A year at the very start is left alone.
void yearsWithLetterGe(std::string& t) {
  for (Pos j = length(t) - 5; j >= 1; --j) {
    if (length(t) >= j + 6 && text::chars::isAlphanumeric(charAt(t, j + 6))) continue;
    if (charIs(t, j + 5, kLetterGe) && yearAt(t, j + 1) && !isDigit(charAt(t, j))) {
      if (length(t) < j + 6 || !charIs(t, j + 6, '.')) insertAt(t, j + 6, ".");
      insertAt(t, j + 5, " ");
    }
  }
}

// "№ 1 - № 12" → "№№ 1-12". Only a number followed by a hyphen opens such a
// range; the range is rebuilt from its parts, whatever the spacing.
void numberSignRanges(std::string& t) {
  for (Pos p = posFrom(kNumberSignText, t); p != 0; p = posFrom(kNumberSignText, t, p + 2)) {
    const Pos n = posFrom(kNumberSignText, t, p + 1);
    if (n == 0) break;
    std::string first = trimmedControls(t.substr(static_cast<std::size_t>(p), static_cast<std::size_t>(n - p - 1)));
    if (first.empty() || first.back() != '-') continue;
    first.pop_back();
    first = trimmedControls(first);
    const auto number = wholeNumber(first);
    if (!number || *number < 0 || first.front() == '-' || first.front() == '+') continue;
    const Pos restFrom = charIs(t, n + 1, ' ') ? n + 2 : n + 1;
    std::string merged = t.substr(0, static_cast<std::size_t>(p));
    merged += text::kNumberSign;
    merged += ' ';
    merged += first;
    merged += '-';
    merged += t.substr(std::min(static_cast<std::size_t>(restFrom - 1), t.size()));
    t = std::move(merged);
  }
}

// Reads the four characters from `p` as a number, or −1.
int fourDigitNumber(std::string_view t, Pos p) {
  if (p < 1 || p + 3 > length(t)) return -1;
  return wholeNumber(t.substr(static_cast<std::size_t>(p - 1), 4)).value_or(-1);
}

bool yearsInOrder(std::string_view t, Pos q) {
  const int first = fourDigitNumber(t, q - 4);
  const int second = fourDigitNumber(t, q + 3);
  return first >= 0 && second >= 0 && first <= second;
}

// "(1920 - 1925)" and "1920 - 1925 гг." lose the spaces around the hyphen.
void yearRanges(std::string& t) {
  for (Pos q = posFromNoCase(" - ", t); q != 0; q = posFromNoCase(" - ", t, q + 1)) {
    if (!(q > 4 && length(t) >= q + 9 && yearAt(t, q - 4) && yearAt(t, q + 3))) continue;
    if (q > 5 && charIs(t, q - 5, '(') && charIs(t, q + 7, ')') && yearsInOrder(t, q)) {
      deleteRange(t, q, 1);
      deleteRange(t, q + 1, 1);
    }
    if (charIs(t, q + 7, ' ') && charIs(t, q + 8, kLetterGe) &&
        (charIs(t, q + 9, '.') || charIs(t, q + 9, kLetterGe)) && yearsInOrder(t, q)) {
      deleteRange(t, q, 1);
      deleteRange(t, q + 1, 1);
    }
  }
}

using Replacement = std::pair<std::string_view, std::string_view>;

constexpr Replacement kFinalReplacements[] = {
    {"( ", "("},
    {" )", ")"},
    {"[ ", "["},
    {" ]", "]"},
    {" :", ":"},
    {" ;", ";"},
    {" !", "!"},
    {" ?", "?"},
    {"КП (б)"_cp1251, "КП(б)"_cp1251},
    {"РП (б)"_cp1251, "РП(б)"_cp1251},
    {"но- "_cp1251, "но-"_cp1251},
    {" \t", "\t"},
    {"\t ", "\t"},
    {" \r", "\r"},
    {"\r ", "\r"},
    {" \n", "\n"},
    {"\n ", "\n"},
    {" г. г."_cp1251, " г.г."_cp1251},
    {" г. р."_cp1251, " г.р."_cp1251},
    {" и т. д."_cp1251, " и т.д."_cp1251},
    {" и т. п."_cp1251, " и т.п."_cp1251},
    {"№ -"_cp1251, "№"_cp1251},
    {"№-"_cp1251, "№"_cp1251},
    {"КП/б/"_cp1251, "КП(б)"_cp1251},
    {"КП /б/"_cp1251, "КП(б)"_cp1251},
    {".-", ". - "},
    {" ,", ","},
};

void finalReplacements(std::string& t) {
  if (charIs(t, length(t), '/')) t.back() = ')';
  collapseSpacesInPlace(t);
  replaceUntilGoneInPlace(t, "--", "-");
  for (const auto& [pattern, replacement] : kFinalReplacements) {
    replaceAllInPlace(t, pattern, replacement);
  }
  replaceUntilGoneInPlace(t, "№ №"_cp1251, "№№"_cp1251);
}

// Quotes standing free between spaces lean towards their word: an opening
// quote loses the space after it, a closing one the space before it.
void freeStandingQuotes(std::string& t) {
  if (posFrom(" \" ", t) == 0) return;
  int count = 0;
  for (Pos k = 2; k < length(t) - 2; ++k) {
    if (!charIs(t, k, kQuote)) continue;
    ++count;
    if (!(charIs(t, k - 1, ' ') && charIs(t, k + 1, ' '))) continue;
    if (count % 2 == 1 && !text::chars::isLetter(charAt(t, k + 2))) ++count;
    if (count % 2 == 0 && !text::chars::isLetter(charAt(t, k - 2))) ++count;
    if (count % 2 == 1) {
      deleteRange(t, k + 1, 1);
    } else {
      deleteRange(t, k - 1, 1);
    }
  }
}

}  // namespace

std::string titleAutoformat(std::string_view title) {
  std::string t = trimmedControls(title);
  collapseSpacesInPlace(t);
  const Pos bound = tidyOuterQuotes(t);
  detail::titleCharacterPass(t, bound);
  numberSignAtStart(t);
  yearsWithLetterGe(t);
  numberSignRanges(t);
  yearRanges(t);
  finalReplacements(t);
  freeStandingQuotes(t);
  collapseSpacesInPlace(t);
  return t;
}

}  // namespace kestrin::archive
