#include <gtest/gtest.h>

#include "archive/format/number_keys.h"
#include "archive/format/numbers.h"
#include "archive/format/text_cleanup.h"
#include "archive/format/type_abbrev.h"
#include "support/case_names.h"
#include "support/cp1251_test_text.h"

namespace kestrin::archive {
namespace {

using testing::cp;
using testing::utf8;

TEST(TextCleanupTest, SpacesAndRepeatedPatterns) {
  EXPECT_EQ(removeSpaces(" a b  c "), "abc");
  EXPECT_EQ(collapseSpaces("a     b  c "), "a b c ");
  EXPECT_EQ(replaceUntilGone("1....5", "..", "."), "1.5");
  EXPECT_EQ(utf8(replaceUntilGone(cp("№ № №"), cp("№ №"), cp("№№"))), "№№№");
  EXPECT_EQ(replaceUntilGone("a--b", "", "x"), "a--b");
}

TEST(TextCleanupTest, ReplacementNotShorterThanPatternMakesOnePass) {
  // A growing replacement would rebuild its pattern for ever.
  EXPECT_EQ(replaceUntilGone("ab", "a", "aa"), "aab");
}

TEST(TextCleanupTest, StripControlsKeepsLineBreaks) {
  EXPECT_EQ(stripControls(std::string("a\tb\r\nc\x01\x1F\x0B\x0C", 10) + std::string(1, '\0') + "d"), "ab\r\ncd");
}

struct GroupCase {
  const char* digits;
  const char* expected;
};

class GroupThousandsTest : public ::testing::TestWithParam<GroupCase> {};

TEST_P(GroupThousandsTest, GroupsByThreeFromTheRight) {
  EXPECT_EQ(groupThousands(GetParam().digits), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, GroupThousandsTest,
                         ::testing::Values(GroupCase{"1234567", "1 234 567"}, GroupCase{"999", "999"},
                                           GroupCase{"1000", "1 000"}, GroupCase{"", ""}, GroupCase{"7", "7"},
                                           GroupCase{"123456", "123 456"}),
                         kestrin::testing::labelled([](const GroupCase& c) { return c.digits; }));

struct FloatCase {
  const char* text;
  double expected;
};

class ToFloatLenientTest : public ::testing::TestWithParam<FloatCase> {};

TEST_P(ToFloatLenientTest, ReadsEitherSeparatorAndGivesZeroOnFailure) {
  const FloatCase& c = GetParam();
  EXPECT_DOUBLE_EQ(toFloatLenient(c.text), c.expected);
  EXPECT_DOUBLE_EQ(toFloatLenient(c.text, dbf::RegionalSettings{'.', "dd.MM.yyyy"}), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ToFloatLenientTest,
                         ::testing::Values(FloatCase{"1,5", 1.5}, FloatCase{" 1.5\t", 1.5}, FloatCase{",1920", 0.192},
                                           FloatCase{"1920,", 1920.0}, FloatCase{"-2,25", -2.25},
                                           FloatCase{"1e3", 1000.0}, FloatCase{"12,14,15", 0.0}, FloatCase{",", 0.0},
                                           FloatCase{"", 0.0}, FloatCase{"1 000", 0.0}, FloatCase{"abc", 0.0},
                                           FloatCase{"1e999", 0.0}, FloatCase{"inf", 0.0}),
                         kestrin::testing::labelled([](const FloatCase& c) { return c.text; }));

TEST(OneDecimalTextTest, RoundsHalvesToEvenAndDropsTrailingZero) {
  EXPECT_EQ(oneDecimalText(1.5), "1,5");
  EXPECT_EQ(oneDecimalText(2.0), "2");
  EXPECT_EQ(oneDecimalText(1.96), "2");
  EXPECT_EQ(oneDecimalText(0.25), "0,2");
  EXPECT_EQ(oneDecimalText(0.75), "0,8");
  EXPECT_EQ(oneDecimalText(29.7, dbf::RegionalSettings{'.', "dd.MM.yyyy"}), "29.7");
  EXPECT_EQ(oneDecimalText(-1.5), "-1,5");
}

TEST(WholeNumberTest, ReadsSignedIntegersOnly) {
  EXPECT_EQ(wholeNumber("1920"), 1920);
  EXPECT_EQ(wholeNumber("-5"), -5);
  EXPECT_EQ(wholeNumber(""), std::nullopt);
  EXPECT_EQ(wholeNumber("-"), std::nullopt);
  EXPECT_EQ(wholeNumber("1.2"), std::nullopt);
  EXPECT_EQ(wholeNumber("2147483647"), 2147483647);
  EXPECT_EQ(wholeNumber("2147483648"), std::nullopt);
  EXPECT_EQ(wholeNumber("99999999999999999999"), std::nullopt);
}

TEST(TypeAbbrevTest, KnownCodesAndOthers) {
  const char* expected[] = {"упр.", "л/п", "НТД", "л/с", "кино", "фото", "фоно", "видео", "МЧД", "м/ф-подл."};
  for (int code = 1; code <= 10; ++code) EXPECT_EQ(utf8(typeAbbrev(code)), expected[code - 1]) << code;
  EXPECT_EQ(typeAbbrev(0), "");
  EXPECT_EQ(typeAbbrev(11), "");
  EXPECT_EQ(typeAbbrev(-1), "");
}

struct KeyCase {
  const char* typed;
  const char* expected;
};

class FondNumberKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(FondNumberKeyTest, BuildsEightCharacterKey) {
  EXPECT_EQ(utf8(fondNumberKey(cp(GetParam().typed))), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FondNumberKeyTest,
                         ::testing::Values(KeyCase{"р-12а", "р-   12а"}, KeyCase{"р12а", "р-   12а"},
                                           KeyCase{"123", "    123 "}, KeyCase{" 123а\t", "    123а"},
                                           KeyCase{"Р-5", "Р-    5 "}, KeyCase{"", "        "},
                                           KeyCase{"  ", "        "}, KeyCase{"р", "р-      "},
                                           KeyCase{"р-", "р-      "}, KeyCase{"123456789", "123456789 "},  // never cut
                                           KeyCase{"р1234567890", "р-12345678"}),
                         kestrin::testing::labelled([](const KeyCase& c) { return c.typed; }));

class InventoryNumberKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(InventoryNumberKeyTest, BuildsNumberAndVolume) {
  EXPECT_EQ(utf8(inventoryNumberKey(cp(GetParam().typed))), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, InventoryNumberKeyTest,
                         ::testing::Values(KeyCase{"3 2", "  3  2  "}, KeyCase{"12", " 12     "},
                                           KeyCase{"12а", " 12а    "}, KeyCase{"  3   2 ", "  3  2  "},
                                           KeyCase{"3.2", "  3  2  "}, KeyCase{"3.2 1", "  3  2.1"},
                                           KeyCase{"", "        "}, KeyCase{"1.1234", "  1  1234"}),
                         kestrin::testing::labelled([](const KeyCase& c) { return c.typed; }));

class FileNumberKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(FileNumberKeyTest, BuildsTenCharacterKey) {
  EXPECT_EQ(utf8(fileNumberKey(cp(GetParam().typed))), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FileNumberKeyTest,
                         ::testing::Values(KeyCase{"12", "      12  "}, KeyCase{" 12а ", "      12а "},
                                           KeyCase{"5", "       5  "}, KeyCase{"", "          "},
                                           KeyCase{"а", "         а"}),
                         kestrin::testing::labelled([](const KeyCase& c) { return c.typed; }));

}  // namespace
}  // namespace kestrin::archive
