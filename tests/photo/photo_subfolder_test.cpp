// The photo subfolder of a file from its fond, inventory and file numbers.
#include "photo/photo_subfolder.h"

#include <gtest/gtest.h>

#include "support/cp1251_test_text.h"

namespace kestrin::photo {
namespace {

using testing::cp;

struct SubfolderCase {
  const char* name;
  std::string fond;
  std::string inventory;
  std::string file;
  std::string expected;
};

class PhotoSubfolderTest : public ::testing::TestWithParam<SubfolderCase> {};

TEST_P(PhotoSubfolderTest, PadsEachLevel) {
  const SubfolderCase& c = GetParam();
  EXPECT_EQ(photoSubfolder({c.fond, c.inventory, c.file}), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PhotoSubfolderTest,
    ::testing::Values(
        SubfolderCase{"VolumeCutOff", "1234", cp("7. Т.2"), "15", cp("Ф. 1234/Оп.   7/Д.    15")},
        SubfolderCase{"VolumeMarkInSmallLetters", "12", cp("3. т.1"), "5", cp("Ф.   12/Оп.   3/Д.     5")},
        SubfolderCase{"FondStartingWithALetter", cp("Р-5"), "1", "1", cp("Ф.     Р-5/Оп.   1/Д.     1")},
        SubfolderCase{"FondDigitsThenLetter", cp("12А"), "1", "1", cp("Ф.   12А/Оп.   1/Д.     1")},
        SubfolderCase{"FiveDigitFond", "12345", "1", "1", cp("Ф.12345/Оп.   1/Д.     1")},
        SubfolderCase{"LongNumbersNeverCut", "123456", "12345", "1234567", cp("Ф.123456/Оп.12345/Д.1234567")},
        SubfolderCase{"EmptyNumbers", "", "", "", cp("Ф.     /Оп./Д.")},
        SubfolderCase{"FileWithLetter", "1", "1", cp("15а"), cp("Ф.    1/Оп.   1/Д.   15а")}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace kestrin::photo
