#include "archive/format/date_parts.h"

#include <algorithm>
#include <array>

#include "archive/format/numbers.h"
#include "archive/text/text_edit.h"
#include "text/char_classes.h"
#include "text/cp1251_literal.h"

namespace kestrin::archive {

using namespace text::literals;

namespace {

int partOrMissing(std::string_view text) { return wholeNumber(text).value_or(kMissingPart); }

// Cuts the text before the first dot off `rest` (dropping the dot).
std::string_view takeUntilDot(std::string_view& rest) {
  const auto dot = rest.find('.');
  const std::string_view part = rest.substr(0, dot);
  rest = dot == std::string_view::npos ? std::string_view{} : rest.substr(dot + 1);
  return part;
}

struct PeriodPrefix {
  std::string_view prefix;
  int centuryFrom, centuryTo, decadeFrom, decadeTo;
};

constexpr std::array<PeriodPrefix, 3> kPeriodPrefixes = {{
    {"нач."_cp1251, 0, 30, 0, 3},
    {"сер."_cp1251, 40, 60, 4, 6},
    {"кон."_cp1251, 70, 99, 7, 9},
}};

std::string yearRange(long long from, long long to) { return std::to_string(from) + "-" + std::to_string(to); }

}  // namespace

std::optional<DateParts> parseDateParts(std::string_view input) {
  if (!std::all_of(input.begin(), input.end(),
                   [](char c) { return c == '.' || text::chars::isDigit(static_cast<unsigned char>(c)); })) {
    return std::nullopt;
  }
  std::string text(input);
  const auto dots = std::count(text.begin(), text.end(), '.');
  if (dots == 0) text += "..";
  if (dots == 1) text += ".";
  if (dots == 3) return std::nullopt;

  std::string_view rest = text;
  DateParts parts;
  parts.day = partOrMissing(takeUntilDot(rest));
  parts.month = partOrMissing(takeUntilDot(rest));
  parts.year = partOrMissing(rest);  // with four or more dots the rest holds a dot: missing

  if (parts.year == kMissingPart && parts.month > 12) {  // "03.1920"
    parts.year = parts.month;
    parts.month = parts.day;
    parts.day = kMissingPart;
  }
  if (parts.year == kMissingPart && parts.month == kMissingPart && parts.day > 31) {  // "1920"
    parts.year = parts.day;
    parts.day = kMissingPart;
  }
  if (parts.year != kMissingPart && parts.year < 100) parts.year += 1900;
  return parts;
}

int lastDayOfMonth(int month, int year) {
  switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2: {
      const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
      return leap ? 29 : 28;
    }
    default:
      return 31;
  }
}

std::string expandPeriod(std::string& text) {
  std::string display;

  if (const Pos p = posFrom("_е"_cp1251, text); p != 0) {  // a decade: 1920-е, 20-е
    deleteRange(text, p, 2);
    if (length(text) == 2) insertAt(text, 1, "19");
    display = text;
    display += "-е"_cp1251;
    const long long n = wholeNumber(text).value_or(0);
    if (length(text) == 4) {
      if (charIs(text, 3, '0')) {
        text = yearRange(n, n + 99);  // 1900-е: the whole century
      } else if (charIs(text, 4, '0')) {
        text = yearRange(n, n + 9);
      }
    }
  }

  if (const Pos p = posFrom("_х"_cp1251, text); p != 0) {  // нач. 1920-х and the like
    deleteRange(text, p, 2);
    if (length(text) == 6) insertAt(text, p - 2, "19");  // нач.20 → нач.1920
    display = text;
    display += "-х"_cp1251;
    insertAt(display, 5, " ");
    const std::string prefix = text.substr(0, 4);
    text = text.size() > 4 ? text.substr(4) : std::string{};
    const long long n = wholeNumber(text).value_or(0);
    const bool century = charIs(text, 3, '0');
    const bool decade = !century && charIs(text, 4, '0');
    if (century || decade) {
      for (const PeriodPrefix& period : kPeriodPrefixes) {
        if (period.prefix != prefix) continue;
        text = century ? yearRange(n + period.centuryFrom, n + period.centuryTo)
                       : yearRange(n + period.decadeFrom, n + period.decadeTo);
        break;
      }
    }
  }
  return display;
}

}  // namespace kestrin::archive
