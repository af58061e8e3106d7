// The trims of both kinds: the Spaces ones remove only the blank, the Controls
// ones every code from 0 to 32; neither touches bytes above 127.
#include "text/trims.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

namespace kestrin::text {
namespace {

struct TrimCase {
  const char* name;
  std::string_view text;
  std::string_view spacesRight;
  std::string_view spacesLeft;
  std::string_view controlsRight;
  std::string_view controlsLeft;
};

// std::string_view literals so that the cases may hold NUL bytes.
using namespace std::string_view_literals;

const TrimCase kTrimCases[] = {
    {"Empty", ""sv, ""sv, ""sv, ""sv, ""sv},
    {"OnlyBlanks", "   "sv, ""sv, ""sv, ""sv, ""sv},
    {"NoBlanks", "a b"sv, "a b"sv, "a b"sv, "a b"sv, "a b"sv},
    {"BlanksAtBothEnds", "  a b  "sv, "  a b"sv, "a b  "sv, "  a b"sv, "a b  "sv},
    {"TabsAndLineBreaks", "\t a\r\n"sv, "\t a\r\n"sv, "\t a\r\n"sv, "\t a"sv, "a\r\n"sv},
    {"ControlsBehindBlanks", " \ta\t "sv, " \ta\t"sv, "\ta\t "sv, " \ta"sv, "a\t "sv},
    {"NulBytes", "\0a\0"sv, "\0a\0"sv, "\0a\0"sv, "\0a"sv, "a\0"sv},
    {"OnlyControls", "\x01\x1F \0"sv, "\x01\x1F \0"sv, "\x01\x1F \0"sv, ""sv, ""sv},
    {"CodeAbove32Stays", "!  !"sv, "!  !"sv, "!  !"sv, "!  !"sv, "!  !"sv},
    {"HighBytesAreNotBlanks", "\xA0\xFF \x80"sv, "\xA0\xFF \x80"sv, "\xA0\xFF \x80"sv, "\xA0\xFF \x80"sv,
     "\xA0\xFF \x80"sv},
    {"LongBlankPadding", "word                                                                    "sv, "word"sv,
     "word                                                                    "sv, "word"sv,
     "word                                                                    "sv},
};

class TrimsTest : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimsTest, EachKindRemovesWhatItsNameSays) {
  const TrimCase& c = GetParam();
  EXPECT_EQ(trimSpacesRight(c.text), c.spacesRight);
  EXPECT_EQ(trimSpacesLeft(c.text), c.spacesLeft);
  EXPECT_EQ(trimSpaces(c.text), trimSpacesLeft(c.spacesRight));
  EXPECT_EQ(trimControlsRight(c.text), c.controlsRight);
  EXPECT_EQ(trimControlsLeft(c.text), c.controlsLeft);
  EXPECT_EQ(trimControls(c.text), trimControlsLeft(c.controlsRight));
}

TEST_P(TrimsTest, ResultIsAViewIntoTheArgument) {
  const std::string_view text = GetParam().text;
  for (const std::string_view trimmed : {trimSpaces(text), trimControls(text)}) {
    if (trimmed.empty()) continue;
    EXPECT_GE(trimmed.data(), text.data());
    EXPECT_LE(trimmed.data() + trimmed.size(), text.data() + text.size());
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, TrimsTest, ::testing::ValuesIn(kTrimCases),
                         [](const ::testing::TestParamInfo<TrimCase>& p) { return p.param.name; });

// Trailing blanks and control bytes go, whatever the length and wherever the
// last other byte stands (the block-wise skip must agree with a byte loop);
// bytes above 0x7F are never blanks.
TEST(TrimControlsRight, AgreesWithByteLoop) {
  std::mt19937 random(5);
  const char bytes[] = {' ', ' ', ' ', '\0', '\x1F', '\x21', 'a', '\xA0', '\xFF', '\x80'};
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    for (std::size_t i = random() % 60; i > 0; --i) text += bytes[random() % sizeof bytes];
    text.append(random() % 150, ' ');
    std::size_t expected = text.size();
    while (expected > 0 && static_cast<unsigned char>(text[expected - 1]) <= ' ') --expected;
    EXPECT_EQ(trimControlsRight(text).size(), expected) << round;
  }
}

}  // namespace
}  // namespace kestrin::text
