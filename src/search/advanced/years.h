// The two year boxes of the advanced search: the completion of a two-digit
// year when a box is left, and the year span of files and documents.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "browse/navigation/date_range_filter.h"

namespace kestrin::search {

// The highest year the boxes accept: the current year.
int latestYear();

// A box left holding 1..99 gets the century: "19" in front above 7, "20"
// otherwise (85 → 1985, 05 → 2005, 08 → 1908). Anything else stays.
std::string completeYear(std::string_view typed);

// The year a box holds, or nothing when it is not a whole number.
std::optional<int> yearOf(std::string_view typed);

// 1 January of `from` to 31 December of `to`: a file or document dated
// anywhere in the last year is inside the span. Throws AdvancedSearchError
// when a box does not hold a year.
browse::DateRange yearSpan(std::string_view from, std::string_view to);

}  // namespace kestrin::search
