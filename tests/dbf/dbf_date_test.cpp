#include "dbf/table/dbf_date.h"

#include <gtest/gtest.h>

namespace kestrin::dbf {
namespace {

TEST(DbfDate, JulianDayNumbers) {
  struct Case {
    CivilDate date;
    int julian;
  };
  const Case cases[] = {{{1899, 12, 30}, 2415019},
                        {{1980, 1, 1}, 2444240},
                        {{2000, 2, 29}, 2451604},
                        {{1, 1, 1}, 1721426},
                        {{9999, 12, 31}, 5373484}};
  for (const auto& c : cases) {
    EXPECT_EQ(julianFromCivil(c.date), c.julian);
    const CivilDate back = civilFromJulian(c.julian);
    EXPECT_EQ(back.year, c.date.year);
    EXPECT_EQ(back.month, c.date.month);
    EXPECT_EQ(back.day, c.date.day);
  }
  EXPECT_FALSE(julianFromCivil({2001, 2, 29}));
  EXPECT_FALSE(julianFromCivil({2001, 4, 31}));
  EXPECT_FALSE(julianFromCivil({2001, 13, 1}));
}

TEST(DbfDate, TextForms) {
  const DbfDate& dates = dbfDate();
  EXPECT_EQ(dates.textFromJulian(2444240), "19800101");
  EXPECT_EQ(dates.textFromJulian(0), "        ");
  EXPECT_EQ(dates.displayFromJulian(2444240), "01.01.1980");
  EXPECT_EQ(dates.displayFromJulian(-1), "          ");
  EXPECT_EQ(DbfDate("d/M/yy").displayFormat(), "D/M/YYYY");
  EXPECT_EQ(DbfDate("d/M/yy").displayFromJulian(2444240), "1/1/1980");
  EXPECT_EQ(dates.julianFromText("19800101 "), 2444240);
  EXPECT_EQ(dates.julianFromText("        "), 0);
  EXPECT_EQ(dates.julianFromText("00000000"), 0);
  EXPECT_EQ(dates.julianFromText("20011301"), 2415019);
  EXPECT_EQ(dates.julianFromText("01.01.1980"), 2444240);
  EXPECT_FALSE(dates.julianFromText("garbage"));
}

TEST(CivilDate, EightDigitText) {
  const auto date = civilFromYyyymmdd("19800131");
  ASSERT_TRUE(date);
  EXPECT_EQ(date->year, 1980);
  EXPECT_EQ(date->month, 1);
  EXPECT_EQ(date->day, 31);
  const auto impossible = civilFromYyyymmdd("20011301");  // read, not checked
  ASSERT_TRUE(impossible);
  EXPECT_EQ(impossible->month, 13);
  EXPECT_FALSE(isValidCivil(*impossible));
  EXPECT_FALSE(civilFromYyyymmdd("1980013"));
  EXPECT_FALSE(civilFromYyyymmdd("198001311"));
  EXPECT_FALSE(civilFromYyyymmdd("1980 131"));
  EXPECT_FALSE(civilFromYyyymmdd("        "));
}

TEST(CivilDate, Texts) {
  std::string out;
  appendYyyymmdd(out, {980, 1, 2});
  EXPECT_EQ(out, "09800102");
  out.clear();
  appendPaddedNumber(out, -5, 4);  // as "%04d" writes it
  appendPaddedNumber(out, -4713, 4);
  appendPaddedNumber(out, 7, 1);
  EXPECT_EQ(out, "-005-47137");
  EXPECT_EQ(displayDateFormat("d/M/yy"), "D/M/YYYY");
  EXPECT_EQ(displayDateFormat("yy.MM.dd y"), "YYYY.MM.DD Y");
  EXPECT_EQ(displayDateFormat("dd.MM"), "DD.MM");
  out.clear();
  appendDisplayDate(out, {1980, 1, 2}, "D/MM/YYYY г.");
  EXPECT_EQ(out, "2/01/1980 г.");
}

TEST(CivilDate, DayCounts) {
  EXPECT_EQ(daysSince18991230(1899, 12, 30), 0);
  EXPECT_EQ(daysSince18991230(1970, 1, 1), 25569);
  EXPECT_EQ(kJulianOfDayZero, 1721425);
  const CivilDate first = civilFromDays(1 - kDayOf18991230FromDayOne);
  EXPECT_EQ(first.year, 1);
  EXPECT_EQ(first.month, 1);
  EXPECT_EQ(first.day, 1);
  EXPECT_EQ(daysFromCivil({1, 1, 1}), 1 - kDayOf18991230FromDayOne);
}

}  // namespace
}  // namespace kestrin::dbf
