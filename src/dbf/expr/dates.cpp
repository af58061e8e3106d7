#include "dbf/expr/dates.h"

#include <cmath>
#include <ctime>

#include "dbf/expr/expr_error.h"
#include "dbf/expr/value.h"
#include "text/cp1251_case.h"
#include "text/trims.h"

namespace kestrin::dbf::expr_detail {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the day, month and year of a text in the order the format gives them,
// separated by any non-digit characters.
std::optional<CivilDate> parseByFormat(std::string_view text, std::string_view format) {
  char order[3] = {0, 0, 0};
  int count = 0;
  for (std::size_t i = 0; i < format.size() && count < 3; ++i) {
    const char c = text::toUpper1251(format[i]);
    if ((c == 'D' || c == 'M' || c == 'Y') && (i == 0 || text::toUpper1251(format[i - 1]) != c)) {
      order[count++] = c;
    }
  }
  if (count != 3) return std::nullopt;
  int values[3] = {0, 0, 0};
  int digits[3] = {0, 0, 0};
  int found = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    if (!isDigit(text[i])) {
      ++i;
      continue;
    }
    if (found == 3) return std::nullopt;
    while (i < text.size() && isDigit(text[i])) {
      if (++digits[found] > 4) return std::nullopt;
      values[found] = values[found] * 10 + (text[i] - '0');
      ++i;
    }
    ++found;
  }
  if (found != 3) return std::nullopt;
  CivilDate date;
  for (int k = 0; k < 3; ++k) {
    if (order[k] == 'D') date.day = values[k];
    if (order[k] == 'M') date.month = values[k];
    if (order[k] == 'Y') {
      date.year = values[k];
      // Two-digit years: 00-49 are this century's, 50-99 the last one's.
      if (digits[k] <= 2) date.year += date.year < 50 ? 2000 : 1900;
    }
  }
  if (!isValidCivil(date.year, date.month, date.day)) return std::nullopt;
  return date;
}

CivilDate civilOrThrow(double dayNumber) {
  CivilDate date;
  if (!civilFromDayNumber(dayNumber, date)) throwExpr(expr_msg::kDateOutOfRange);
  return date;
}

}  // namespace

std::int64_t dayNumberFromCivil(int year, int month, int day) {
  return daysSince18991230(year, month, day) + kDayNumberOf18991230;
}

bool civilFromDayNumber(double dayNumber, CivilDate& date) {
  static const double kFirst = static_cast<double>(dayNumberFromCivil(1, 1, 1));
  static const double kLast = static_cast<double>(dayNumberFromCivil(9999, 12, 31));
  const double whole = std::trunc(dayNumber);
  if (!(whole >= kFirst && whole <= kLast)) return false;
  date = civilFromDays(static_cast<std::int64_t>(whole) - kDayNumberOf18991230);
  return true;
}

// Only day 0 is blank: a day number before the calendar is out of range as
// much as one after it, however far.
bool isBlankDayNumber(double dayNumber) { return dayNumber == 0; }

std::optional<double> dayNumberFromText(std::string_view text, std::string_view shortDateFormat) {
  const std::string_view trimmed = text::trimControlsRight(text);
  if (trimmed.empty() || text == "00000000") return 0.0;
  if (const auto date = civilFromYyyymmdd(trimmed)) {
    if (!isValidCivil(*date)) return static_cast<double>(kDayNumberOf18991230);
    return static_cast<double>(dayNumberFromCivil(date->year, date->month, date->day));
  }
  const auto date = parseByFormat(trimmed, shortDateFormat);
  if (!date) return std::nullopt;
  return static_cast<double>(dayNumberFromCivil(date->year, date->month, date->day));
}

void yyyymmddFromDayNumber(double dayNumber, std::string& out) {
  out.clear();
  if (isBlankDayNumber(dayNumber)) {
    out.assign(8, ' ');
    return;
  }
  appendYyyymmdd(out, civilOrThrow(dayNumber));
}

void displayFromDayNumber(double dayNumber, std::string_view shortDateFormat, std::string& out) {
  // DTOC runs on every record of a scan with the same settings: the display
  // format is made again only when the short date format changes.
  thread_local std::string lastShortFormat;
  thread_local std::string format;  // displayDateFormat("") is ""
  if (shortDateFormat != lastShortFormat) {
    format = displayDateFormat(shortDateFormat);
    lastShortFormat.assign(shortDateFormat);
  }
  out.clear();
  if (isBlankDayNumber(dayNumber)) {
    out.assign(format.size(), ' ');
    return;
  }
  appendDisplayDate(out, civilOrThrow(dayNumber), format);
}

double todayDayNumber() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return static_cast<double>(dayNumberFromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday));
}

}  // namespace kestrin::dbf::expr_detail
