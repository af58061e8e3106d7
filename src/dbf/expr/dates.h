// Day numbers of the expression language: days since 1899-12-30 plus 2415019
// (so 1980-01-01 is 2444240), and their texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dbf/base/civil_date.h"

namespace kestrin::dbf::expr_detail {

inline constexpr std::int64_t kDayNumberOf18991230 = kJulianOf18991230;

// The day number of a date with a month of 1 to 12.
std::int64_t dayNumberFromCivil(int year, int month, int day);
// False for a day number outside the years 1 to 9999 (and for NaN).
bool civilFromDayNumber(double dayNumber, CivilDate& date);

// Day 0 is the blank date; every other number outside the calendar is out of range.
bool isBlankDayNumber(double dayNumber);

// The day number of a date text: 0 for blank text and for "00000000"; eight
// digits as YYYYMMDD (an impossible date counts as 1899-12-30); other text in
// the short date format. Nothing when the text is no date.
std::optional<double> dayNumberFromText(std::string_view text, std::string_view shortDateFormat);

// "yyyymmdd", or eight blanks for a blank date. Throws EDbfExpression for a day
// number outside the calendar.
void yyyymmddFromDayNumber(double dayNumber, std::string& out);

// The date in the display format of the short date format (see
// displayDateFormat in dbf/base/civil_date.h); blanks of the format's length for a blank
// date. Throws EDbfExpression for a day number outside the calendar.
void displayFromDayNumber(double dayNumber, std::string_view shortDateFormat, std::string& out);

// Today's day number by the local clock.
double todayDayNumber();

}  // namespace kestrin::dbf::expr_detail
