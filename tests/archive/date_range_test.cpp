#include "archive/format/date_range.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "support/case_names.h"
#include "support/cp1251_test_text.h"

namespace kestrin::archive {
namespace {

using testing::cp;
using testing::utf8;

std::string dayMonthYear(const std::chrono::year_month_day& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%02u.%02u.%d", static_cast<unsigned>(date.day()),
                static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
  return text;
}

struct RangeCase {
  const char* text;
  const char* start;
  const char* end;
  const char* display;
};

void PrintTo(const RangeCase& c, std::ostream* out) { *out << c.text; }

class ParseDateRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(ParseDateRangeTest, GivesDatesAndDisplayText) {
  const RangeCase& c = GetParam();
  const DateRange range = parseDateRange(cp(c.text));
  ASSERT_TRUE(range.ok);
  EXPECT_EQ(dayMonthYear(range.start), c.start);
  EXPECT_EQ(dayMonthYear(range.end), c.end);
  EXPECT_EQ(utf8(range.display), c.display);
}

// The worked results of the archivists' notations.
INSTANTIATE_TEST_SUITE_P(WorkedResults, ParseDateRangeTest,
                         ::testing::Values(RangeCase{"1920", "01.01.1920", "31.12.1920", "1920"},
                                           RangeCase{"01.01.1920-31.12.1925", "01.01.1920", "31.12.1925", ""},
                                           RangeCase{"5 мая 1920", "05.05.1920", "05.05.1920", ""},
                                           RangeCase{"5-7 марта 1920", "05.03.1920", "07.03.1920", ""},
                                           RangeCase{"март-апрель 1920", "01.03.1920", "30.04.1920", "03-04.1920"},
                                           RangeCase{"3-5.1920", "01.03.1920", "31.05.1920", "03-05.1920"},
                                           RangeCase{"1920-е", "01.01.1920", "31.12.1929", "1920-е"},
                                           RangeCase{"20-е", "01.01.1920", "31.12.1929", "1920-е"},
                                           RangeCase{"начало 1900-х", "01.01.1900", "31.12.1930", "нач. 1900-х"},
                                           RangeCase{"конец 1920-х", "01.01.1927", "31.12.1929", "кон. 1920-х"},
                                           RangeCase{"[1920]", "01.01.1920", "31.12.1920", "[1920]"},
                                           RangeCase{"1920-25", "01.01.1920", "31.12.1925", "1920-1925"},
                                           RangeCase{"5,7 марта 1920", "05.03.1920", "07.03.1920", "05,07.03.1920"},
                                           RangeCase{"12.05.1920 15.06.1921", "12.05.1920", "15.06.1921", ""},
                                           RangeCase{"1 мая 1920 5 июня 1921", "01.05.1920", "05.06.1921", ""},
                                           RangeCase{"январь-декабрь 1920", "01.01.1920", "31.12.1920", "1920"},
                                           RangeCase{"[январь-декабрь 1920]", "01.01.1920", "31.12.1920", "[1920]"}),
                         kestrin::testing::labelled([](const RangeCase& c) { return c.text; }));

INSTANTIATE_TEST_SUITE_P(MoreNotations, ParseDateRangeTest,
                         ::testing::Values(RangeCase{"1920-1920", "01.01.1920", "31.12.1920", "1920"},
                                           RangeCase{"5мая1920", "05.05.1920", "05.05.1920", ""},
                                           RangeCase{"5 май 1920", "05.05.1920", "05.05.1920", ""},
                                           RangeCase{"февраль 1920", "01.02.1920", "29.02.1920", "02.1920"},
                                           RangeCase{"5.3.1920", "05.03.1920", "05.03.1920", ""},
                                           RangeCase{"3.1920", "01.03.1920", "31.03.1920", "03.1920"},
                                           RangeCase{"середина 1920-х", "01.01.1924", "31.12.1926", "сер. 1920-х"},
                                           RangeCase{"1920-е - 1930-е", "01.01.1920", "31.12.1939", "1920-е-1930-е"},
                                           RangeCase{"12.05.20 15.06.21", "12.05.1920", "15.06.1921", ""},
                                           RangeCase{"[1920-1925]", "01.01.1920", "31.12.1925", "[1920-1925]"},
                                           RangeCase{"[1920", "01.01.1920", "31.12.1920", "[1920]"},
                                           RangeCase{"5,6 марта 1920", "05.03.1920", "06.03.1920", ""},
                                           RangeCase{"5.03,7.04.1920", "05.03.1920", "07.04.1920", "05.03,07.04.1920"},
                                           // Days 30 and 31 join a pair of dates as well as days 01 to 29 do.
                                           RangeCase{"30.05.1920 15.06.1921", "30.05.1920", "15.06.1921", ""},
                                           RangeCase{"31.12.20 01.01.21", "31.12.1920", "01.01.1921", ""}),
                         kestrin::testing::labelled([](const RangeCase& c) { return c.text; }));

class ParseDateRangeFailureTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ParseDateRangeFailureTest, Fails) { EXPECT_FALSE(parseDateRange(cp(GetParam())).ok); }

INSTANTIATE_TEST_SUITE_P(Cases, ParseDateRangeFailureTest,
                         ::testing::Values("", "б/д", "1920 г.", "5 Мая 1920", "1100", "1100-1920", "31.02.1920",
                                           "1920-х", "5.13.1920", "1.2.3.4", "-", ",", "1-5.03", "  ", "99999999999",
                                           "1920-99999"),
                         kestrin::testing::labelled([](const char* text) { return text; }));

TEST(ParseDateRangeTest, DisplayTextOfAFailureIsStillTidied) {
  const DateRange range = parseDateRange(cp("[1100]"));
  EXPECT_FALSE(range.ok);
  EXPECT_EQ(utf8(range.display), "[1100]");
}

TEST(ParseDateRangeTest, LongAndOddInputsEndWithoutCrash) {
  std::string text;
  for (int i = 0; i < 2000; ++i) text += cp("5 мая-,[.]_е_х");
  EXPECT_FALSE(parseDateRange(text).ok);
  EXPECT_FALSE(parseDateRange(std::string(3000, '-')).ok);
  EXPECT_FALSE(parseDateRange(std::string(3000, '.')).ok);
}

}  // namespace
}  // namespace kestrin::archive
