// The parts of archival date texts: a date written with dots ("5.03.1920",
// "03.1920", "1920") and periods written as decades or parts of a decade or
// century ("1920-е", "нач. 1900-х").
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrin::archive {

inline constexpr int kMissingPart = -1;

struct DateParts {
  int day = kMissingPart;
  int month = kMissingPart;
  int year = kMissingPart;

  bool complete() const { return day != kMissingPart && month != kMissingPart && year != kMissingPart; }
  friend bool operator==(const DateParts&, const DateParts&) = default;
};

// Reads a text of digits and at most two dots as day.month.year. One number
// is a day unless above 31 (then a year); "03.1920" is a month and a year;
// years below 100 get 1900 added. nullopt for any other character or for
// exactly three dots.
std::optional<DateParts> parseDateParts(std::string_view text);

// The last day of a month: 28..31 by the Gregorian calendar; 31 when the
// month is missing (it then stands for December).
int lastDayOfMonth(int month, int year);

// Turns a decade or a part of a decade or century into a year range, in
// place. The decade hyphens must already be protected as "_е" and "_х":
// "1920_е" becomes "1920-1929", "нач.1900_х" becomes "1900-1930". Returns
// the text to display for the period ("1920-е", "нач. 1900-х"), or the empty
// text when the text holds no period.
std::string expandPeriod(std::string& text);

}  // namespace kestrin::archive
