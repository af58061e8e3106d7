// Literals written in UTF-8 in the source become Windows-1251 bytes while
// compiling; the character classes sort those bytes.
#include "text/cp1251_literal.h"

#include <gtest/gtest.h>

#include "text/char_classes.h"
#include "text/cp1251_utf8.h"

namespace kestrin::text {
namespace {

using namespace literals;

TEST(Cp1251Literal, MatchesTheRunTimeConversion) {
  EXPECT_EQ("мая"_cp1251, "\xEC\xE0\xFF");
  EXPECT_EQ("Ёё № «»–—“”"_cp1251, "\xA8\xB8 \xB9 \xAB\xBB\x96\x97\x93\x94");
  EXPECT_EQ("АЯая"_cp1251, utf8ToCp1251("АЯая"));
  EXPECT_EQ("plain ASCII"_cp1251, "plain ASCII");
  EXPECT_EQ(""_cp1251.size(), 0u);
}

TEST(Cp1251Literal, NamedCharactersAreThoseOfTheLiterals) {
  EXPECT_EQ(std::string(1, kNumberSign), "№"_cp1251);
  EXPECT_EQ(std::string(1, kEnDash), "–"_cp1251);
  EXPECT_EQ(std::string(1, kLeftGuillemet), "«"_cp1251);
  EXPECT_EQ(std::string(1, kRightGuillemet), "»"_cp1251);
  EXPECT_EQ(std::string(1, kLeftDoubleQuote), "“"_cp1251);
}

struct ClassCase {
  const char* name;
  int code;
  bool digit, latin, cyrillic, upperCyrillic, lowerCyrillic, blankOrControl;
};

const ClassCase kClassCases[] = {
    {"NoChar", chars::kNoChar, false, false, false, false, false, false},
    {"Nul", 0, false, false, false, false, false, true},
    {"Blank", ' ', false, false, false, false, false, true},
    {"Bang", '!', false, false, false, false, false, false},
    {"Zero", '0', true, false, false, false, false, false},
    {"Nine", '9', true, false, false, false, false, false},
    {"LatinA", 'A', false, true, false, false, false, false},
    {"LatinZ", 'z', false, true, false, false, false, false},
    {"CyrillicA", 0xC0, false, false, true, true, false, false},
    {"CyrillicYaUpper", 0xDF, false, false, true, true, false, false},
    {"CyrillicALower", 0xE0, false, false, true, false, true, false},
    {"CyrillicYaLower", 0xFF, false, false, true, false, true, false},
    {"YoUpper", chars::kYoUpper, false, false, true, true, false, false},
    {"YoLower", chars::kYoLower, false, false, true, false, true, false},
    {"NumberSign", 0xB9, false, false, false, false, false, false},
};

class CharClassesTest : public ::testing::TestWithParam<ClassCase> {};

TEST_P(CharClassesTest, ClassesOfTheCode) {
  const ClassCase& c = GetParam();
  EXPECT_EQ(chars::isDigit(c.code), c.digit);
  EXPECT_EQ(chars::isLatin(c.code), c.latin);
  EXPECT_EQ(chars::isCyrillic(c.code), c.cyrillic);
  EXPECT_EQ(chars::isUpperCyrillic(c.code), c.upperCyrillic);
  EXPECT_EQ(chars::isLowerCyrillic(c.code), c.lowerCyrillic);
  EXPECT_EQ(chars::isUpperCyrillicAToYa(c.code), c.upperCyrillic && c.code != chars::kYoUpper);
  EXPECT_EQ(chars::isLowerCyrillicAToYa(c.code), c.lowerCyrillic && c.code != chars::kYoLower);
  EXPECT_EQ(chars::isLetter(c.code), c.latin || c.cyrillic);
  EXPECT_EQ(chars::isAlphanumeric(c.code), c.digit || c.latin || c.cyrillic);
  EXPECT_EQ(chars::isBlankOrControl(c.code), c.blankOrControl);
}

INSTANTIATE_TEST_SUITE_P(Codes, CharClassesTest, ::testing::ValuesIn(kClassCases),
                         [](const ::testing::TestParamInfo<ClassCase>& p) { return p.param.name; });

}  // namespace
}  // namespace kestrin::text
