#include "archive/columns/display_rules.h"

#include <chrono>
#include <string>

#include "archive/format/date_range.h"
#include "archive/format/text_cleanup.h"
#include "archive/text/text_edit.h"
#include "archive/title/title_autoformat.h"
#include "text/cp1251_case.h"
#include "text/cp1251_literal.h"

namespace kestrin::archive {
namespace {

using namespace text::literals;

constexpr std::string_view kNoDateFond = "б/д"_cp1251;
constexpr std::string_view kNoDateFile = "н/д"_cp1251;

int yearOf(const std::chrono::year_month_day& date) { return static_cast<int>(date.year()); }

// One year when both are equal, else "first-last".
std::string yearSpan(int first, int last) {
  if (first == last) return std::to_string(first);
  return std::to_string(first) + "-" + std::to_string(last);
}

}  // namespace

std::string fondNumberText(std::string_view fkod) { return text::upper1251(removeSpaces(fkod)); }

std::string inventoryNumberText(std::string_view okod) {
  const std::string number = trimmedControls(okod);
  const std::size_t blank = number.find(' ');
  if (blank == std::string::npos) return number;
  const std::string_view whole = number;
  return trimmedControls(whole.substr(0, blank)) + "." + trimmedControls(whole.substr(blank));
}

std::string fileNumberText(std::string_view l1) { return text::upper1251(removeSpaces(l1)); }

// titleAutoformat trims blanks and controls at both ends itself.
std::string titleText(std::string_view title) { return quoteTypography(titleAutoformat(title)); }

std::string fondNameText(std::string_view fname) { return quoteTypography(fname); }

std::string preferredTitleText(std::string_view preferred, std::string_view fallback) {
  // A memo cleared in "Архивный Фонд" may keep a line break: that is no title.
  return titleText(isBlank(preferred) ? fallback : preferred);
}

std::string yearsText(long long firstYear, long long lastYear) {
  if (firstYear == 0 && lastYear == 0) return std::string(kNoDateFond);
  if (firstYear == lastYear || lastYear == 0) return std::to_string(firstYear);
  if (firstYear != 0) return std::to_string(firstYear) + "-" + std::to_string(lastYear);
  return std::to_string(lastYear);
}

std::string fileDatesText(std::string_view l10, int firstYear, int lastYear) {
  const std::string dates = trimmedControls(l10);
  if (dates.empty()) {
    if (firstYear == 0 && lastYear == 0) return std::string(kNoDateFile);
    if (firstYear == 0) return std::to_string(lastYear);
    if (lastYear == 0) return std::to_string(firstYear);
    return yearSpan(firstYear, lastYear);
  }
  const DateRange range = parseDateRange(dates);
  if (!range.ok) return tidyUnreadDates(dates);
  if (!range.display.empty()) return range.display;
  return yearSpan(yearOf(range.start), yearOf(range.end));
}

std::string tidyUnreadDates(std::string_view text) {
  std::string s(text);
  replaceUntilGoneInPlace(s, "- ", "-");
  replaceUntilGoneInPlace(s, " -", "-");
  replaceUntilGoneInPlace(s, ". ", ".");
  replaceUntilGoneInPlace(s, "-0.", "-");
  replaceUntilGoneInPlace(s, ".0.", ".");
  while (s.size() >= 2 && s.starts_with("0.")) s.erase(0, 2);
  if (s == "0-0") s.clear();
  if (s.size() >= 2 && s.ends_with("-0")) s.erase(s.size() - 2);
  if (s.size() >= 2 && s.starts_with("0-")) s.erase(0, 2);
  return s;
}

std::string documentDateText(std::string_view t9, int t8Year) {
  if (!t9.empty()) {
    const DateRange range = parseDateRange(t9);
    if (!range.ok) return std::string(t9);
    if (!range.display.empty()) return range.display;
    return std::to_string(yearOf(range.end));
  }
  if (t8Year != 0) return std::to_string(t8Year);
  return std::string(kNoDateFond);
}

std::string fileCountText(long long count) {
  // Grouping the digits alone keeps a sign (damaged counts) off the groups.
  const std::string digits = std::to_string(count < 0 ? -count : count);
  return (count < 0 ? "-" : "") + groupThousands(digits);
}

}  // namespace kestrin::archive
