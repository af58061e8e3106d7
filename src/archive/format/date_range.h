// Free archival date texts ("5-7 марта 1920", "нач. 1920-х", "[1925]",
// "5,7.03.1920") read as a range of calendar dates plus the text to show.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace kestrin::archive {

struct DateRange {
  // False when the text is not a date the rules understand; `start` and `end`
  // are then unspecified and callers show the input text themselves.
  bool ok = false;
  std::chrono::year_month_day start{};
  std::chrono::year_month_day end{};
  // When not empty, what to show instead of years computed from the dates:
  // it keeps notation such as brackets, decades and lists ("[1920]",
  // "1920-е", "05,07.03.1920").
  std::string display;
};

// The earliest date the rules accept.
inline constexpr std::chrono::year_month_day kEarliestArchivalDate{std::chrono::year{1200}, std::chrono::January,
                                                                   std::chrono::day{1}};

// Never throws: texts it cannot read give ok == false.
DateRange parseDateRange(std::string_view text);

}  // namespace kestrin::archive
