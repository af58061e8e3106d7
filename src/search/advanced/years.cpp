#include "search/advanced/years.h"

#include <chrono>

#include "search/advanced/search_error.h"
#include "text/cp1251_literal.h"
#include "text/trims.h"

namespace kestrin::search {

using namespace text::literals;

int latestYear() {
  const std::chrono::year_month_day today{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
  return static_cast<int>(today.year());
}

std::optional<int> yearOf(std::string_view typed) {
  const std::string_view t = text::trimSpaces(typed);
  if (t.empty() || t.size() > 4) return std::nullopt;
  int year = 0;
  for (const char c : t) {
    if (c < '0' || c > '9') return std::nullopt;
    year = year * 10 + (c - '0');
  }
  return year;
}

std::string completeYear(std::string_view typed) {
  const auto year = yearOf(typed);
  if (!year || *year < 1 || *year > 99) return std::string(typed);
  const int full = (*year > 7 ? 1900 : 2000) + *year;
  return std::to_string(full);
}

browse::DateRange yearSpan(std::string_view from, std::string_view to) {
  const auto first = yearOf(from);
  const auto last = yearOf(to);
  if (!first) throw AdvancedSearchError(std::string("Неверный год: "_cp1251) + std::string(from));
  if (!last) throw AdvancedSearchError(std::string("Неверный год: "_cp1251) + std::string(to));
  return {{*first, 1, 1}, {*last, 12, 31}};
}

}  // namespace kestrin::search
