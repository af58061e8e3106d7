#include "dbf/table/dbf_date.h"

#include <cstdio>

#include "text/cp1251_case.h"

namespace kestrin::dbf {
namespace {

bool isLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int y, int m) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && isLeap(y) ? 29 : kDays[m - 1];
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
long long daysFrom1970(int y, int m, int d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153LL * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

constexpr long long kDays1899To1970 = 25569;

bool allDigits(std::string_view s) {
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return !s.empty();
}

int toInt(std::string_view s) {
  int v = 0;
  for (char c : s) v = v * 10 + (c - '0');
  return v;
}

// Parses a date in a d/M/y pattern such as "dd.MM.yyyy": numbers in the order
// of the pattern, separated by the pattern's separator characters.
std::optional<CivilDate> parseWithFormat(std::string_view text, std::string_view format) {
  std::string order;
  for (char c : format) {
    const char u = text::toUpper1251(c);
    if ((u == 'D' || u == 'M' || u == 'Y') && order.find(u) == std::string::npos) order.push_back(u);
  }
  if (order.size() != 3) return std::nullopt;
  int values[3] = {0, 0, 0};
  std::size_t pos = 0;
  for (int i = 0; i < 3; ++i) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
    const std::size_t start = pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos;
    if (pos == start || pos - start > 4) return std::nullopt;
    values[i] = toInt(text.substr(start, pos - start));
    if (i < 2) {
      if (pos >= text.size() || text[pos] == ' ') return std::nullopt;
      ++pos;  // the separator
    }
  }
  while (pos < text.size() && text[pos] == ' ') ++pos;
  if (pos != text.size()) return std::nullopt;
  CivilDate date;
  for (int i = 0; i < 3; ++i) {
    if (order[i] == 'D') date.day = values[i];
    if (order[i] == 'M') date.month = values[i];
    if (order[i] == 'Y') date.year = values[i] < 100 ? values[i] + (values[i] < 50 ? 2000 : 1900) : values[i];
  }
  return date;
}

std::string widenYear(std::string format) {
  for (char& c : format) c = text::toUpper1251(c);
  while (format.find("YYYY") == std::string::npos) {
    const auto at = format.find('Y');
    if (at == std::string::npos) break;
    format.insert(at, "Y");
  }
  return format;
}

}  // namespace

std::optional<int> daysFromCivil(const CivilDate& date) {
  if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1 ||
      date.day > daysInMonth(date.year, date.month)) {
    return std::nullopt;
  }
  return static_cast<int>(daysFrom1970(date.year, date.month, date.day) + kDays1899To1970);
}

CivilDate civilFromDays(long long daysSince18991230) {
  const long long z = daysSince18991230 - kDays1899To1970 + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
  return {y, m, d};
}

std::optional<int> julianFromCivil(const CivilDate& date) {
  const auto days = daysFromCivil(date);
  if (!days) return std::nullopt;
  return *days + DbfDate::kDelphiEpochJulian;
}

CivilDate civilFromJulian(int julian) {
  return civilFromDays(static_cast<long long>(julian) - DbfDate::kDelphiEpochJulian);
}

DbfDate::DbfDate(std::string shortDateFormat) : displayFormat_(widenYear(std::move(shortDateFormat))) {}

std::optional<int> DbfDate::julianFromText(std::string_view text) const {
  if (text == "00000000") return 0;
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty()) return 0;
  if (text.size() == 8 && allDigits(text)) {
    const CivilDate date{toInt(text.substr(0, 4)), toInt(text.substr(4, 2)), toInt(text.substr(6, 2))};
    return julianFromCivil(date).value_or(kDelphiEpochJulian);
  }
  const auto parsed = parseWithFormat(text, displayFormat_);
  if (!parsed) return std::nullopt;
  return julianFromCivil(*parsed);
}

std::string DbfDate::textFromJulian(int julian) const {
  if (julian <= 0) return std::string(8, ' ');
  const CivilDate d = civilFromJulian(julian);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", d.year, d.month, d.day);
  return buffer;
}

std::string DbfDate::displayFromJulian(int julian) const {
  if (julian <= 0) return std::string(displayFormat_.size(), ' ');
  const CivilDate d = civilFromJulian(julian);
  std::string out;
  const std::string& f = displayFormat_;
  for (std::size_t i = 0; i < f.size();) {
    const char c = f[i];
    std::size_t run = 1;
    while (i + run < f.size() && f[i + run] == c) ++run;
    char buffer[16];
    if (c == 'D') {
      std::snprintf(buffer, sizeof buffer, run >= 2 ? "%02d" : "%d", d.day);
      out += buffer;
    } else if (c == 'M') {
      std::snprintf(buffer, sizeof buffer, run >= 2 ? "%02d" : "%d", d.month);
      out += buffer;
    } else if (c == 'Y') {
      std::snprintf(buffer, sizeof buffer, "%04d", d.year);
      out += buffer;
    } else {
      out.append(run, c);
    }
    i += run;
  }
  return out;
}

const DbfDate& dbfDate() {
  static const DbfDate instance;
  return instance;
}

}  // namespace kestrin::dbf
