#include "archive/format/date_display_tidy.h"

#include <algorithm>

#include "archive/format/numbers.h"
#include "archive/text/text_edit.h"
#include "text/char_classes.h"

namespace kestrin::archive::detail {
namespace {

using text::chars::isDigit;

bool digitsAt(std::string_view text, Pos from, Pos count) {
  for (Pos p = from; p < from + count; ++p) {
    if (!isDigit(charAt(text, p))) return false;
  }
  return true;
}

// Four digits from `from`, the first of them 1 or 2.
bool yearAt(std::string_view text, Pos from) {
  return (charIs(text, from, '1') || charIs(text, from, '2')) && digitsAt(text, from + 1, 3);
}

// DD.MM.,DD.MM.YYYY: two day-month pairs sharing the year at the end.
bool isPairListWithOneYear(std::string_view text) {
  return length(text) == 17 && digitsAt(text, 1, 2) && charIs(text, 3, '.') && digitsAt(text, 4, 2) &&
         charIs(text, 6, '.') && charIs(text, 7, ',') && digitsAt(text, 8, 2) && charIs(text, 10, '.') &&
         digitsAt(text, 11, 2) && charIs(text, 13, '.') && yearAt(text, 14);
}

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

}  // namespace

void tidyDateDisplay(std::string& t) {
  if (charIs(t, 1, '.')) deleteRange(t, 1, 1);
  if (const Pos p = posFrom("-.", t); p != 0) deleteRange(t, p + 1, 1);
  if (const Pos p = posFrom(".-", t); p != 0) deleteRange(t, p, 1);
  if (const Pos p = posFrom(".,.", t); p != 0) {
    deleteRange(t, p + 2, 1);
    deleteRange(t, p, 1);
  }
  if (charIs(t, length(t), '.')) deleteRange(t, length(t), 1);
  if (charIs(t, 2, '.')) insertAt(t, 1, "0");

  if (const Pos e = posFrom("-", t); e != 0) {
    if (charIs(t, e + 2, '.')) insertAt(t, e + 1, "0");
    if (e == 2) insertAt(t, 1, "0");
  }

  // A range of two neighbouring days or months needs no text of its own.
  if (length(t) == 13) {
    const auto first = wholeNumber(t.substr(0, 2));
    const auto second = wholeNumber(t.substr(3, 2));
    if (first && second && *first == *second - 1) {
      t.clear();
      return;
    }
  }

  // Single digits become two-digit: 5.3.1920 → 05.03.1920.
  for (Pos i = length(t) - 1; i >= 1; --i) {
    if (isDigit(charAt(t, i)) && !isDigit(charAt(t, i + 1)) && (i == 1 || !isDigit(charAt(t, i - 1)))) {
      insertAt(t, i, "0");
    }
  }

  if (isPairListWithOneYear(t)) insertAt(t, 7, t.substr(13, 4));
  if (t.find('[') != std::string::npos && t.find(']') == std::string::npos) t += ']';
  replaceAllInPlace(t, ".,", ",");
  replaceAllInPlace(t, ",.", ",");

  // The whole of a year written as months 01 to 12.
  if (length(t) == 10 && startsWith(t, "01-12.") && yearAt(t, 7)) t = t.substr(6);
  if (length(t) == 12 && startsWith(t, "[01-12.") && yearAt(t, 8) && charIs(t, 12, ']')) deleteRange(t, 2, 6);

  std::replace(t.begin(), t.end(), '_', '-');
}

}  // namespace kestrin::archive::detail
