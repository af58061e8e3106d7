#include "archive/format/date_range.h"

#include <algorithm>
#include <array>
#include <optional>

#include "archive/format/date_display_tidy.h"
#include "archive/format/date_parts.h"
#include "archive/format/text_cleanup.h"
#include "archive/text/text_edit.h"
#include "text/char_classes.h"
#include "text/cp1251_literal.h"

namespace kestrin::archive {

using namespace text::literals;

namespace {

using text::chars::isCyrillic;
using text::chars::isDigit;

constexpr std::size_t kMaxPart = 1024;  // the parts of a range are read up to this length

// Month words are recognised by their first three letters; "май" has been
// turned into "мая" before.
constexpr std::array<std::string_view, 12> kMonthStems = {
    "янв"_cp1251, "фев"_cp1251, "мар"_cp1251, "апр"_cp1251, "мая"_cp1251, "июн"_cp1251,
    "июл"_cp1251, "авг"_cp1251, "сен"_cp1251, "окт"_cp1251, "ноя"_cp1251, "дек"_cp1251,
};

bool contains(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }

bool digitIn(std::string_view text, Pos p, std::string_view allowed) {
  const int c = charAt(text, p);
  return c != text::chars::kNoChar && allowed.find(static_cast<char>(c)) != std::string_view::npos;
}

bool digitsAt(std::string_view text, std::initializer_list<Pos> positions) {
  return std::all_of(positions.begin(), positions.end(), [&](Pos p) { return isDigit(charAt(text, p)); });
}

// DD.MM. at `p`, the day starting with 0..3 and the month with 0 or 1.
bool dayMonthAt(std::string_view text, Pos p) {
  return digitsAt(text, {p, p + 1, p + 3, p + 4}) && charIs(text, p + 2, '.') && charIs(text, p + 5, '.') &&
         digitIn(text, p, "0123") && digitIn(text, p + 3, "01");
}

// DD.MM.YYYY with a year of the 11th, 18th, 19th, 20th or 21st century.
bool fullDateAt(std::string_view text, Pos p) {
  return dayMonthAt(text, p) && digitsAt(text, {p + 6, p + 7, p + 8, p + 9}) && digitIn(text, p + 6, "12") &&
         digitIn(text, p + 7, "0789");
}

// DD.MM.YY
bool shortDateAt(std::string_view text, Pos p) { return dayMonthAt(text, p) && digitsAt(text, {p + 6, p + 7}); }

// Two dates or two day-month-year phrases written with a space between them
// become a range.
void joinSpacedDates(std::string& t) {
  collapseSpacesInPlace(t);
  if (length(t) == 21 && fullDateAt(t, 1) && charIs(t, 11, ' ') && fullDateAt(t, 12)) t[10] = '-';
  if (length(t) == 17 && shortDateAt(t, 1) && charIs(t, 9, ' ') && shortDateAt(t, 10)) t[8] = '-';
  if (std::count(t.begin(), t.end(), ' ') == 5) {  // 1 мая 1920 5 июня 1921
    std::size_t at = t.find(' ');
    at = t.find(' ', at + 1);
    at = t.find(' ', at + 1);
    t[at] = '-';
  }
}

// The month numbers as they replace the words, in the order of kMonthStems.
constexpr std::array<std::string_view, 12> kMonthNumbers = {
    ".01.", ".02.", ".03.", ".04.", ".05.", ".06.", ".07.", ".08.", ".09.", ".10.", ".11.", ".12.",
};

// "5 марта" → "5 .03.": month words in lower case become their numbers.
void monthWordsToNumbers(std::string& t) {
  replaceAllInPlace(t, "май"_cp1251, "мая"_cp1251);
  for (std::size_t month = 0; month < kMonthStems.size(); ++month) {
    for (Pos p = posFrom(kMonthStems[month], t); p != 0; p = posFrom(kMonthStems[month], t)) {
      Pos wordEnd = p;
      while (text::chars::isLowerCyrillicAToYa(charAt(t, wordEnd))) ++wordEnd;
      deleteRange(t, p, wordEnd - p);
      insertAt(t, p, kMonthNumbers[month]);
    }
  }
}

// 1920-25 → 1920-1925.
void widenShortEndYear(std::string& t) {
  const Pos n = length(t);
  if (n >= 7 && digitIn(t, n - 6, "12") && digitsAt(t, {n - 5, n - 4, n - 3, n - 1, n}) && charIs(t, n - 2, '-')) {
    insertAt(t, n - 1, t.substr(static_cast<std::size_t>(n - 7), 2));
  }
}

bool anyMissing(const DateParts& parts) { return !parts.complete(); }

// A part of a range that is itself a period keeps only its start or end year.
void keepPeriodEnd(std::string& part, bool keepEnd) {
  if (expandPeriod(part).empty()) return;
  const auto dash = part.find('-');
  if (dash == std::string::npos) return;
  part = keepEnd ? part.substr(dash + 1) : part.substr(0, dash);
}

bool present(int part) { return part != kMissingPart; }
bool missing(int part) { return part == kMissingPart; }

// The start of a range takes what it lacks from the end: "5-7.03.1920".
void completeStartFromEnd(DateParts& l, const DateParts& r) {
  if (present(l.day) && missing(l.month) && missing(l.year) && r.complete()) {
    l.month = r.month;
    l.year = r.year;
  }
  if (missing(l.day) && present(l.month) && missing(l.year) && missing(r.day) && present(r.month) && present(r.year)) {
    l.year = r.year;
  }
  if (present(l.day) && missing(l.month) && missing(l.year) && missing(r.day) && present(r.month) &&
      present(r.year)) {  // "3-5.1920": the lone number is a month
    l.year = r.year;
    l.month = l.day;
    l.day = kMissingPart;
  }
  if (present(l.day) && present(l.month) && missing(l.year) && r.complete()) l.year = r.year;
  if (missing(l.day) && present(l.month) && missing(l.year) && r.complete()) l.year = r.year;
  if (present(l.day) && present(l.month) && missing(l.year) && missing(r.day) && present(r.month) && present(r.year)) {
    l.year = r.year;
  }
}

std::optional<std::chrono::year_month_day> calendarDate(int day, int month, int year) {
  // Years are taken as written: no century window for short years.
  if (year < 1200 || year > 9999 || month < 1 || month > 12 || day < 1) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                         std::chrono::day{static_cast<unsigned>(day)}};
  if (!date.ok() || date < kEarliestArchivalDate) return std::nullopt;
  return date;
}

std::optional<std::chrono::year_month_day> startDate(const DateParts& p) {
  return calendarDate(present(p.day) ? p.day : 1, present(p.month) ? p.month : 1, p.year);
}

std::optional<std::chrono::year_month_day> endDate(const DateParts& p) {
  return calendarDate(present(p.day) ? p.day : lastDayOfMonth(p.month, p.year), present(p.month) ? p.month : 12,
                      p.year);
}

DateParts partsOrMissing(std::string_view text, bool& ok) {
  const auto parts = parseDateParts(text);
  if (!parts) ok = false;
  return parts.value_or(DateParts{});
}

}  // namespace

DateRange parseDateRange(std::string_view input) {
  DateRange result;
  if (input.empty()) return result;
  result.ok = true;
  std::string& display = result.display;

  // Protect decades (1920-е, 1920-х) from being read as ranges.
  std::string t(input);
  replaceAllInPlace(t, "-е"_cp1251, "_е"_cp1251);
  replaceAllInPlace(t, "-х"_cp1251, "_х"_cp1251);

  // 5мая1920 → 5 мая 1920.
  for (Pos i = length(t) - 1; i >= 1; --i) {
    const int a = charAt(t, i);
    const int b = charAt(t, i + 1);
    if ((isDigit(a) && isCyrillic(b)) || (isCyrillic(a) && isDigit(b))) insertAt(t, i + 1, " ");
  }

  if (!contains(t, '-') && !contains(t, ',')) joinSpacedDates(t);
  monthWordsToNumbers(t);
  std::erase(t, ' ');
  replaceUntilGoneInPlace(t, "..", ".");
  replaceAllInPlace(t, "[.", ".[");
  replaceAllInPlace(t, ".]", "].");
  replaceAllInPlace(t, "начало"_cp1251, "нач."_cp1251);
  replaceAllInPlace(t, "середина"_cp1251, "сер."_cp1251);
  replaceAllInPlace(t, "конец"_cp1251, "кон."_cp1251);
  widenShortEndYear(t);

  // Brackets (an established date) stay in the display text only.
  if (contains(t, '[')) {
    display = t;
    removeChars(t, "[]");
  }
  if (!contains(t, '-') && contains(t, ',')) display = t;
  if (!contains(t, '-') && !contains(t, ',')) {
    const std::string period = expandPeriod(t);
    if (!period.empty() && display.empty()) display = period;
  }

  if (const auto dash = t.find('-'); dash != std::string::npos) {  // 1920-1920 is one year
    if (t.substr(0, dash) == t.substr(dash + 1, kMaxPart)) t.resize(dash);
  }

  std::size_t d = t.find('-');
  if (d == std::string::npos && t.find(',') != std::string::npos) {
    // A list of days in one month (5,7.03.1920) is read as a range from its
    // first to its last element.
    if (t.find(',') == 1) insertAt(t, 1, "0");
    if (charIs(t, 3, ',') && charIs(t, 5, '.')) insertAt(t, 4, "0");
    display = t;
    d = t.find(',');
  }

  std::optional<std::chrono::year_month_day> start;
  std::optional<std::chrono::year_month_day> end;
  if (d != std::string::npos) {
    std::string right = t.substr(d + 1, kMaxPart);
    keepPeriodEnd(right, true);
    DateParts r = partsOrMissing(right, result.ok);
    if (present(r.day) && present(r.month) && missing(r.year)) {
      r.year = r.month;
      r.month = r.day;
      r.day = kMissingPart;
    }
    if (anyMissing(r) && display.empty()) display = t;
    end = endDate(r);

    std::string left = t.substr(0, d);
    keepPeriodEnd(left, false);
    DateParts l = partsOrMissing(left, result.ok);
    completeStartFromEnd(l, r);
    if (anyMissing(l) && display.empty()) display = t;
    start = startDate(l);
  } else {
    const DateParts single = partsOrMissing(t, result.ok);
    if (anyMissing(single) && display.empty()) display = t;
    start = startDate(single);
    end = endDate(single);
  }

  if (!start || !end) result.ok = false;
  if (start) result.start = *start;
  if (end) result.end = *end;
  if (!display.empty()) detail::tidyDateDisplay(display);
  return result;
}

}  // namespace kestrin::archive
