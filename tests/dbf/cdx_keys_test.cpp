// Search keys of CDX tags: the numeric sign-bit transform, the GENERAL
// collation weights and the key comparison.
#include "dbf/cdx/cdx_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cdx_test_support.h"
#include "dbf/base/errors.h"
#include "dbf/cdx/cdx_general_collation.h"
#include "text/cp1251_utf8.h"

namespace kestrin::dbf {
namespace {

using text::utf8ToCp1251;

std::string bytes(std::initializer_list<unsigned char> list) { return std::string(list.begin(), list.end()); }

TEST(CdxNumberKey, OneAndMinusOne) {
  EXPECT_EQ(cdxNumberKeyBytes(1.0), bytes({0xBF, 0xF0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(cdxNumberSearchKey(1.0), bytes({0xBF, 0xF0}));
  EXPECT_EQ(cdxNumberKeyBytes(-1.0), bytes({0x40, 0x0F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  // Negative keys keep their 0xFF tail so that exact searches find them.
  EXPECT_EQ(cdxNumberSearchKey(-1.0), cdxNumberKeyBytes(-1.0));
  EXPECT_EQ(cdxNumberSearchKey(0.0), bytes({0x80}));
}

TEST(CdxNumberKey, BytesFollowNumericOrder) {
  const std::vector<double> ascending = {-1e300, -1234.5, -2.0, -1.0, -0.5,      -1e-300, 0.0,
                                         1e-300, 0.5,     1.0,  2.0,  2415019.0, 1e300};
  for (std::size_t i = 1; i < ascending.size(); ++i) {
    SCOPED_TRACE(ascending[i]);
    EXPECT_LT(cdxNumberKeyBytes(ascending[i - 1]), cdxNumberKeyBytes(ascending[i]));
    EXPECT_LT(compareCdxKeys(cdxNumberSearchKey(ascending[i - 1]), cdxNumberSearchKey(ascending[i]), false), 0);
  }
}

TEST(CdxKeyCompare, PrefixesPartialAndEmpty) {
  struct Case {
    std::string search, entry;
    bool partial;
    int expected;
  };
  const std::vector<Case> cases = {
      {"AB", "ABC", false, -1}, {"AB", "ABC", true, 0},  {"ABC", "AB", true, 1},
      {"B", "A", false, 1},     {"A", "A", false, 0},    {"", "A", true, -1},
      {"", "", false, 0},       {"\xC0", "z", false, 1}, {"A", "\xC0", true, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.search + " vs " + c.entry);
    EXPECT_EQ(compareCdxKeys(c.search, c.entry, c.partial), c.expected);
  }
}

TEST(CdxGeneralCollation, TellingPrimaryWeights) {
  const std::vector<std::pair<unsigned char, unsigned char>> cases = {
      {0x00, 0x10}, {0x1F, 0x10}, {'\t', 0x11}, {' ', 0x11}, {'0', 0x56}, {'9', 0x5F}, {'A', 0x60}, {'a', 0x60},
      {'B', 0x61},  {'b', 0x61},  {'C', 0x62},  {'c', 0x62}, {'D', 0x64}, {'d', 0x64}, {'E', 0x66}, {'e', 0x66}};
  for (const auto& [c, weight] : cases) {
    SCOPED_TRACE(static_cast<int>(c));
    EXPECT_EQ(generalPrimaryWeight(c), weight);
  }
}

TEST(CdxGeneralCollation, SecondaryWeightsFollowThePrimaries) {
  // Unaccented A has secondary 0xF0, dropped at the end of the list.
  EXPECT_EQ(generalCollationKey("A"), bytes({0x60}));
  EXPECT_EQ(generalCollationKey("AB"), bytes({0x60, 0x61}));
  const std::string ye = generalCollationKey(utf8ToCp1251("Е"));
  const std::string yo = generalCollationKey(utf8ToCp1251("Ё"));
  ASSERT_EQ(ye.size(), 1u);
  EXPECT_EQ(yo, ye + "\xF1");
  // An E before an Ё keeps its 0xF0 in the middle of the list.
  EXPECT_EQ(generalCollationKey(utf8ToCp1251("ЕЁ")), ye + ye + "\xF0\xF1");
}

TEST(CdxGeneralCollation, LatinAndCyrillicOrderSensibly) {
  const std::vector<std::string> ascending = {"",      " ",      "!",     "1",      "10",    "9",      "A B",    "AB",
                                              "apple", "Apples", "Zebra", "Абажур", "архив", "Архивы", "бумага", "Дело",
                                              "Ёж",    "ёлка",   "ель",   "жук",    "йод",   "Юг",     "Яблоко"};
  for (std::size_t i = 1; i < ascending.size(); ++i) {
    SCOPED_TRACE(ascending[i - 1] + " < " + ascending[i]);
    EXPECT_LT(generalCollationKey(utf8ToCp1251(ascending[i - 1])), generalCollationKey(utf8ToCp1251(ascending[i])));
  }
  EXPECT_EQ(generalCollationKey(utf8ToCp1251("ДЕЛО №5")), generalCollationKey(utf8ToCp1251("дело №5")));
}

TEST(CdxTagKeys, ConversionFollowsTheKeyType) {
  auto file = cdxtest::openImage({cdxtest::characterTag("NAME", 10, {{"X", 1}})});
  CdxTag& tag = *file->findTag("name");
  EXPECT_EQ(tag.keyFromText("AB  "), "AB");
  EXPECT_EQ(tag.keyFromText("AB  ", false), "AB  ");
  EXPECT_EQ(tag.keyFromNumber(1.5), "1,5");
  EXPECT_EQ(tag.keyFromNumber(-10, '.'), "-10");
  EXPECT_EQ(tag.keyFromDate(2415019), "30.12.1899");
  EXPECT_EQ(tag.keyFromDate(2451545), "01.01.2000");
  EXPECT_EQ(tag.keyFromLogical(true), "T");

  tag.setKeyType(CdxKeyType::Numeric);
  EXPECT_EQ(tag.keyFromNumber(1.0), bytes({0xBF, 0xF0}));
  EXPECT_EQ(tag.keyFromDate(2415019), cdxNumberSearchKey(2415019.0));
  try {
    tag.keyFromText("1");
    FAIL() << "text accepted by a numeric tag";
  } catch (const EDbfError& e) {
    EXPECT_STREQ(e.what(), "Variant types mismatch for compare");
  }
}

}  // namespace
}  // namespace kestrin::dbf
