#include "archive/format/date_parts.h"

#include <gtest/gtest.h>

#include "support/case_names.h"
#include "support/cp1251_test_text.h"

namespace kestrin::archive {
namespace {

using testing::cp;
using testing::utf8;

constexpr int kNo = kMissingPart;

struct PartsCase {
  const char* text;
  bool ok;
  DateParts expected;
};

class ParseDatePartsTest : public ::testing::TestWithParam<PartsCase> {};

TEST_P(ParseDatePartsTest, ReadsDayMonthYear) {
  const PartsCase& c = GetParam();
  const auto parts = parseDateParts(c.text);
  ASSERT_EQ(parts.has_value(), c.ok);
  if (parts) {
    EXPECT_EQ(parts->day, c.expected.day);
    EXPECT_EQ(parts->month, c.expected.month);
    EXPECT_EQ(parts->year, c.expected.year);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseDatePartsTest,
    ::testing::Values(PartsCase{"1.2.3.4", false, {}}, PartsCase{"5", true, {5, kNo, kNo}},
                      PartsCase{"5.3", true, {5, 3, kNo}}, PartsCase{"20", true, {20, kNo, kNo}},
                      PartsCase{"45", true, {kNo, kNo, 1945}}, PartsCase{"03.20", true, {kNo, 3, 1920}},
                      PartsCase{"03.1920", true, {kNo, 3, 1920}}, PartsCase{"1920", true, {kNo, kNo, 1920}},
                      PartsCase{"05.03.1920", true, {5, 3, 1920}}, PartsCase{"5.3.20", true, {5, 3, 1920}},
                      PartsCase{".03.1920", true, {kNo, 3, 1920}}, PartsCase{"", true, {kNo, kNo, kNo}},
                      PartsCase{"1.2.3.4.5", true, {1, 2, kNo}}, PartsCase{"5-7", false, {}},
                      PartsCase{"1920 ", false, {}}, PartsCase{"99999999999", true, {kNo, kNo, kNo}}),
    kestrin::testing::labelled([](const PartsCase& c) { return c.text; }));

TEST(ParseDatePartsTest, RejectsLetters) { EXPECT_FALSE(parseDateParts(cp("1920г"))); }

TEST(LastDayOfMonthTest, GregorianMonthLengths) {
  EXPECT_EQ(lastDayOfMonth(1, 1920), 31);
  EXPECT_EQ(lastDayOfMonth(4, 1920), 30);
  EXPECT_EQ(lastDayOfMonth(2, 1920), 29);
  EXPECT_EQ(lastDayOfMonth(2, 1900), 28);
  EXPECT_EQ(lastDayOfMonth(2, 2000), 29);
  EXPECT_EQ(lastDayOfMonth(2, 1921), 28);
  EXPECT_EQ(lastDayOfMonth(kNo, 1920), 31);
}

struct PeriodCase {
  const char* text;
  const char* expandedText;
  const char* display;
};

class ExpandPeriodTest : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(ExpandPeriodTest, TurnsPeriodIntoYearRange) {
  const PeriodCase& c = GetParam();
  std::string text = cp(c.text);
  EXPECT_EQ(utf8(expandPeriod(text)), c.display);
  EXPECT_EQ(utf8(text), c.expandedText);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExpandPeriodTest,
    ::testing::Values(
        PeriodCase{"1920_е", "1920-1929", "1920-е"}, PeriodCase{"20_е", "1920-1929", "1920-е"},
        PeriodCase{"1900_е", "1900-1999", "1900-е"}, PeriodCase{"1925_е", "1925", "1925-е"},
        PeriodCase{"нач.1900_х", "1900-1930", "нач. 1900-х"}, PeriodCase{"нач.1920_х", "1920-1923", "нач. 1920-х"},
        PeriodCase{"сер.1900_х", "1940-1960", "сер. 1900-х"}, PeriodCase{"сер.1920_х", "1924-1926", "сер. 1920-х"},
        PeriodCase{"кон.1800_х", "1870-1899", "кон. 1800-х"}, PeriodCase{"кон.1920_х", "1927-1929", "кон. 1920-х"},
        PeriodCase{"нач.20_х", "1920-1923", "нач. 1920-х"}, PeriodCase{"мид.1920_х", "1920", "мид. 1920-х"},
        PeriodCase{"нач.1925_х", "1925", "нач. 1925-х"}, PeriodCase{"_х", "", "-х "}, PeriodCase{"1920", "1920", ""}),
    kestrin::testing::labelled([](const PeriodCase& c) { return c.text; }));

}  // namespace
}  // namespace kestrin::archive
