#include "dbf/expr/dates.h"

#include <cmath>
#include <ctime>

#include "dbf/expr/expr_error.h"
#include "dbf/expr/value.h"
#include "text/cp1251_case.h"

namespace kestrin::dbf::expr_detail {
namespace {

// Days from 1970-01-01 to a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

CivilDate civilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return CivilDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

const std::int64_t kDaysTo18991230 = daysFromCivil(1899, 12, 30);

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

void appendNumber(std::string& out, int value, int minDigits) {
  char buf[16];
  int n = 0;
  do {
    buf[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0);
  for (int k = n; k < minDigits; ++k) out.push_back('0');
  while (n > 0) out.push_back(buf[--n]);
}

CivilDate civilOrThrow(double dayNumber) {
  CivilDate date;
  if (!civilFromDayNumber(dayNumber, date)) throwExpr(expr_msg::kDateOutOfRange);
  return date;
}

}  // namespace

std::int64_t dayNumberFromCivil(int year, int month, int day) {
  return daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
         kDaysTo18991230 + kDayNumberOf18991230;
}

bool isValidCivil(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  const int last = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
  return day <= last;
}

bool civilFromDayNumber(double dayNumber, CivilDate& date) {
  static const double kFirst = static_cast<double>(dayNumberFromCivil(1, 1, 1));
  static const double kLast = static_cast<double>(dayNumberFromCivil(9999, 12, 31));
  const double whole = std::trunc(dayNumber);
  if (!(whole >= kFirst && whole <= kLast)) return false;
  const auto days = static_cast<std::int64_t>(whole) - kDayNumberOf18991230 + kDaysTo18991230;
  date = civilFromDays(days);
  return true;
}

bool isBlankDayNumber(double dayNumber) {
  return !(dayNumber > 0) || dayNumber >= kBlankDateMarker;
}

std::optional<double> dayNumberFromText(std::string_view text, std::string_view shortDateFormat) {
  std::size_t n = text.size();
  while (n > 0 && static_cast<unsigned char>(text[n - 1]) <= ' ') --n;
  const std::string_view trimmed = text.substr(0, n);
  if (trimmed.empty() || text == "00000000") return 0.0;
  bool allDigits = trimmed.size() == 8;
  for (const char c : trimmed) allDigits = allDigits && isDigit(c);
  if (allDigits) {
    auto number = [&](std::size_t from, std::size_t len) {
      int v = 0;
      for (std::size_t i = from; i < from + len; ++i) v = v * 10 + (trimmed[i] - '0');
      return v;
    };
    const int y = number(0, 4);
    const int m = number(4, 2);
    const int d = number(6, 2);
    if (!isValidCivil(y, m, d)) return static_cast<double>(kDayNumberOf18991230);
    return static_cast<double>(dayNumberFromCivil(y, m, d));
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
  const CivilDate date = civilOrThrow(dayNumber);
  appendNumber(out, date.year, 4);
  appendNumber(out, date.month, 2);
  appendNumber(out, date.day, 2);
}

std::string displayDateFormat(std::string_view shortDateFormat) {
  std::string format = text::upper1251(shortDateFormat);
  const std::size_t firstY = format.find('Y');
  if (firstY != std::string::npos) {
    while (format.find("YYYY") == std::string::npos) format.insert(firstY, 1, 'Y');
  }
  return format;
}

void displayFromDayNumber(double dayNumber, std::string_view shortDateFormat, std::string& out) {
  const std::string format = displayDateFormat(shortDateFormat);
  out.clear();
  if (isBlankDayNumber(dayNumber)) {
    out.assign(format.size(), ' ');
    return;
  }
  const CivilDate date = civilOrThrow(dayNumber);
  std::size_t i = 0;
  while (i < format.size()) {
    const char c = format[i];
    std::size_t run = 1;
    while (i + run < format.size() && format[i + run] == c) ++run;
    if (c == 'D') {
      appendNumber(out, date.day, run >= 2 ? 2 : 1);
    } else if (c == 'M') {
      appendNumber(out, date.month, run >= 2 ? 2 : 1);
    } else if (c == 'Y') {
      appendNumber(out, date.year, 4);
    } else {
      out.append(run, c);
    }
    i += run;
  }
}

double todayDayNumber() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return static_cast<double>(
      dayNumberFromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday));
}

}  // namespace kestrin::dbf::expr_detail
