// The year boxes: the century a two-digit year gets, and the span of files
// and documents running to the last day of the last year.
#include "search/advanced/years.h"

#include <gtest/gtest.h>

#include "search/advanced/search_error.h"

namespace kestrin::search {
namespace {

TEST(Years, TwoDigitYearsGetTheirCentury) {
  const std::pair<const char*, const char*> cases[] = {
      {"85", "1985"}, {"07", "2007"}, {"08", "1908"}, {"2005", "2005"}, {"5", "2005"},
      {"99", "1999"}, {"0", "0"},     {"100", "100"}, {"x", "x"},       {"", ""},
  };
  for (const auto& [typed, expected] : cases) {
    SCOPED_TRACE(typed);
    EXPECT_EQ(completeYear(typed), expected);
  }
}

TEST(Years, TheSpanEndsOnTheLastDayOfTheLastYear) {
  const browse::DateRange span = yearSpan("1990", "2000");
  EXPECT_EQ(span.from.year, 1990);
  EXPECT_EQ(span.from.month, 1);
  EXPECT_EQ(span.from.day, 1);
  EXPECT_EQ(span.to.year, 2000);
  EXPECT_EQ(span.to.month, 12);
  EXPECT_EQ(span.to.day, 31);
  EXPECT_THROW(yearSpan("19x0", "2000"), AdvancedSearchError);
  EXPECT_GE(latestYear(), 2024);
}

}  // namespace
}  // namespace kestrin::search
