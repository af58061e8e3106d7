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

}  // namespace
}  // namespace kestrin::dbf
