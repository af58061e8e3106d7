// Record keys and the code tables of the archive.
#include "archive/model/record_key.h"

#include <gtest/gtest.h>

#include "archive/model/code_tables.h"
#include "cp1251_test_text.h"

namespace kestrin::archive {
namespace {

using testing::utf8;

TEST(RecordKey, NumberRightAlignedInSevenCharacters) {
  EXPECT_EQ(recordKey(12), "     12");
  EXPECT_EQ(recordKey(0), "      0");
  EXPECT_EQ(recordKey(1234567), "1234567");
  EXPECT_EQ(recordKey(123456789), "123456789");  // never cut
}

struct KeyNumberCase {
  const char* key;
  std::optional<int> number;
};

void PrintTo(const KeyNumberCase& c, std::ostream* out) { *out << '"' << c.key << '"'; }

class RecordKeyNumberTest : public ::testing::TestWithParam<KeyNumberCase> {};

TEST_P(RecordKeyNumberTest, ReadsDecimalAfterLeadingBlanks) {
  EXPECT_EQ(recordKeyNumber(GetParam().key), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Keys, RecordKeyNumberTest,
                         ::testing::Values(KeyNumberCase{"     12", 12}, KeyNumberCase{"12", 12},
                                           KeyNumberCase{"  10000", 10000}, KeyNumberCase{"      0", 0},
                                           KeyNumberCase{"     -5", -5}, KeyNumberCase{"", std::nullopt},
                                           KeyNumberCase{"       ", std::nullopt},
                                           KeyNumberCase{"   12a", std::nullopt}, KeyNumberCase{"  1 2", std::nullopt},
                                           KeyNumberCase{"12 ", std::nullopt},
                                           KeyNumberCase{"2147483648", std::nullopt}));

TEST(CodeTables, LabelsOfTheCodes) {
  EXPECT_EQ(utf8(movementLabel(kMovementPresent)), "наличие");
  EXPECT_EQ(utf8(movementLabel(5)), "уничт.");
  EXPECT_EQ(movementLabel(0), "");
  EXPECT_EQ(movementLabel(6), "");
  EXPECT_EQ(utf8(valueLabel(2)), "ОЦД");
  EXPECT_EQ(valueLabel(4), "");
  ASSERT_EQ(typeCodes().size(), 10u);
  EXPECT_EQ(utf8(typeCodes()[kTypePhoto - 1].label), "фото");
  EXPECT_EQ(utf8(typeCodes()[kTypePersonalOrigin - 1].label), "л/п");
  EXPECT_EQ(categoryCodes().size(), 4u);
  ASSERT_EQ(documentKinds().size(), 18u);
  EXPECT_EQ(utf8(documentKinds().front()), "постановление");
  EXPECT_EQ(utf8(documentKinds()[9]), "отчёт");
  EXPECT_EQ(utf8(documentKinds().back()), "перечни вопросов");
}

}  // namespace
}  // namespace kestrin::archive
