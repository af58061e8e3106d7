// The engine's calendar: proleptic Gregorian dates and the day counts built on
// them. Day numbers count days since 1899-12-30, whose Julian day number is
// 2415019 (so 1980-01-01 is Julian day 2444240); date-time fields count
// milliseconds from 0001-01-01 as day 1. Dates are stored in tables as YYYYMMDD.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrin::dbf {

struct CivilDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

// The Julian day number of 1899-12-30, day 0 of the day numbers.
inline constexpr int kJulianOf18991230 = 2415019;
// 1899-12-30 in the date-time count, where 0001-01-01 is day 1.
inline constexpr int kDayOf18991230FromDayOne = 693594;
// The Julian day number of the day before 0001-01-01 (day 0 of the date-time count).
inline constexpr int kJulianOfDayZero = kJulianOf18991230 - kDayOf18991230FromDayOne;
inline constexpr std::int64_t kDays18991230To19700101 = 25569;
inline constexpr std::int64_t kMsPerDay = 86400000;
inline constexpr std::int64_t kMsPerHour = 3600000;
inline constexpr std::int64_t kMsPerMinute = 60000;
inline constexpr std::int64_t kMsPerSecond = 1000;

constexpr bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// True for a date of the years 1 to 9999 that the calendar has.
constexpr bool isValidCivil(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return day <= kDays[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
}
constexpr bool isValidCivil(const CivilDate& date) { return isValidCivil(date.year, date.month, date.day); }

// Days since 1899-12-30 of a date with a month of 1 to 12, unchecked otherwise
// (H. Hinnant's algorithm).
constexpr std::int64_t daysSince18991230(int year, int month, int day) {
  const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * static_cast<std::int64_t>(month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468 + kDays18991230To19700101;
}

// The date of a day number; any count, years outside 1 to 9999 included.
constexpr CivilDate civilFromDays(std::int64_t daysSince18991230) {
  const std::int64_t z = daysSince18991230 - kDays18991230To19700101 + 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
  return {y, m, d};
}

// Days from 1899-12-30 for a valid civil date; nullopt for an impossible one.
std::optional<int> daysFromCivil(const CivilDate& date);

// Julian day number of a valid civil date, nullopt for an impossible one.
std::optional<int> julianFromCivil(const CivilDate& date);
CivilDate civilFromJulian(int julian);

// The date of exactly eight digits read as YYYYMMDD, not checked; nullopt for
// any other text.
std::optional<CivilDate> civilFromYyyymmdd(std::string_view text);

// Appends `value` in decimal, zero-padded to `minWidth` characters as printf's
// "%0*d" does (a minus sign counts in the width).
void appendPaddedNumber(std::string& out, int value, int minWidth);

// Appends yyyymmdd.
void appendYyyymmdd(std::string& out, const CivilDate& date);

// A short date format (d, M and y as the user's regional settings use them)
// upper-cased, its year widened to four digits: "d/M/yy" gives "D/M/YYYY".
std::string displayDateFormat(std::string_view shortDateFormat);

// Appends the date in a display format: a run of D or M gives the day or month,
// two digits for a run of two or more; a run of Y gives the year in four
// digits; anything else is copied.
void appendDisplayDate(std::string& out, const CivilDate& date, std::string_view displayFormat);

}  // namespace kestrin::dbf
