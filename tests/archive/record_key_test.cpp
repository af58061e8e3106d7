// Record keys: written for filters, read back as numbers for the caches.
#include "archive/model/record_key.h"

#include <gtest/gtest.h>

#include "support/case_names.h"

namespace kestrin::archive {
namespace {

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
                                           KeyNumberCase{"2147483648", std::nullopt}),
                         kestrin::testing::labelled([](const KeyNumberCase& c) { return c.key; }));

}  // namespace
}  // namespace kestrin::archive
