// The rules of the display columns, from raw field values to shown texts.
#include "archive/columns/display_rules.h"

#include <gtest/gtest.h>

#include "support/case_names.h"
#include "support/cp1251_test_text.h"

namespace kestrin::archive {
namespace {

using testing::cp;
using testing::utf8;

struct TextCase {
  const char* rule;
  std::string (*apply)(std::string_view);
  const char* input;
  const char* shown;
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << c.rule << " \"" << c.input << '"'; }

class TextRuleTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextRuleTest, Shows) { EXPECT_EQ(utf8(GetParam().apply(cp(GetParam().input))), GetParam().shown); }

INSTANTIATE_TEST_SUITE_P(
    NumbersAndTitles, TextRuleTest,
    ::testing::Values(TextCase{"fond", fondNumberText, "    123 ", "123"},
                      TextCase{"fond", fondNumberText, "Р-   123а", "Р-123А"},
                      TextCase{"fond", fondNumberText, "    12ё ", "12Ё"}, TextCase{"fond", fondNumberText, "", ""},
                      TextCase{"inventory", inventoryNumberText, "  1  2  ", "1.2"},
                      TextCase{"inventory", inventoryNumberText, "  3", "3"},
                      TextCase{"inventory", inventoryNumberText, " 12а 2", "12а.2"},
                      TextCase{"inventory", inventoryNumberText, "", ""},
                      TextCase{"file", fileNumberText, "      45а ", "45А"},
                      TextCase{"file", fileNumberText, "     1 2  ", "12"},
                      TextCase{"title", titleText, "Фонд \"Заря\" ( 1920-1925 гг.)", "Фонд «Заря» (1920–1925 гг.)"},
                      TextCase{"title", titleText, "Опись дел N5\r\n  ", "Опись дел № 5"},
                      TextCase{"fname", fondNameText, "Фонд  \"Заря\" N5", "Фонд  «Заря» N5"}),
    [](const auto& p) { return std::string(p.param.rule) + std::to_string(p.index); });

TEST(PreferredTitle, BlankPreferredTitleFallsBack) {
  EXPECT_EQ(utf8(preferredTitleText(cp("Аннотация: \"Заря\""), cp("Дело"))), "Аннотация: «Заря»");
  EXPECT_EQ(utf8(preferredTitleText(cp("\r\n"), cp("Дело N5"))), "Дело № 5");
  EXPECT_EQ(utf8(preferredTitleText("", cp("Дело"))), "Дело");
  EXPECT_EQ(preferredTitleText("", ""), "");
}

struct YearsCase {
  long long first;
  long long last;
  const char* shown;
};

class YearsTextTest : public ::testing::TestWithParam<YearsCase> {};

TEST_P(YearsTextTest, Shows) { EXPECT_EQ(utf8(yearsText(GetParam().first, GetParam().last)), GetParam().shown); }

INSTANTIATE_TEST_SUITE_P(FondsAndInventories, YearsTextTest,
                         ::testing::Values(YearsCase{0, 0, "б/д"}, YearsCase{1920, 0, "1920"},
                                           YearsCase{0, 1925, "1925"}, YearsCase{1920, 1925, "1920-1925"},
                                           YearsCase{1920, 1920, "1920"}, YearsCase{1925, 1920, "1925-1920"}),
                         kestrin::testing::labelled([](const YearsCase& c) {
                           return std::to_string(c.first) + " " + std::to_string(c.last);
                         }));

struct FileDatesCase {
  const char* l10;
  int firstYear;
  int lastYear;
  const char* shown;
};

void PrintTo(const FileDatesCase& c, std::ostream* out) {
  *out << '"' << c.l10 << "\" " << c.firstYear << ' ' << c.lastYear;
}

class FileDatesTest : public ::testing::TestWithParam<FileDatesCase> {};

TEST_P(FileDatesTest, Shows) {
  const FileDatesCase& c = GetParam();
  EXPECT_EQ(utf8(fileDatesText(cp(c.l10), c.firstYear, c.lastYear)), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FileDatesTest,
    ::testing::Values(
        // From the date fields.
        FileDatesCase{"", 1920, 0, "1920"}, FileDatesCase{"", 0, 0, "н/д"}, FileDatesCase{"  ", 0, 0, "н/д"},
        FileDatesCase{"", 0, 1925, "1925"}, FileDatesCase{"", 1920, 1925, "1920-1925"},
        FileDatesCase{"", 1920, 1920, "1920"},
        // From L10, which wins over the date fields.
        FileDatesCase{"1920-е", 0, 0, "1920-е"}, FileDatesCase{"01.01.1920-31.12.1925", 0, 0, "1920-1925"},
        FileDatesCase{"5 мая 1920", 0, 0, "1920"}, FileDatesCase{"  01.05.1920  ", 0, 0, "1920"},
        FileDatesCase{"1931", 1940, 1941, "1931"}, FileDatesCase{"[1920]", 0, 0, "[1920]"},
        FileDatesCase{"5,7.03.1920", 0, 0, "05,07.03.1920"}, FileDatesCase{"01.05.1920-31.12.1921", 0, 0, "1920-1921"},
        // Texts the date rules cannot read, tidied.
        FileDatesCase{"0.1920 - 0.1925", 0, 0, "1920-1925"}, FileDatesCase{"1931 г.", 1931, 0, "1931 г."},
        FileDatesCase{"1920 - 0", 0, 0, "1920"}, FileDatesCase{"б/д", 1920, 0, "б/д"}),
    kestrin::testing::labelled([](const FileDatesCase& c) {
      return std::string(c.l10) + " " + std::to_string(c.firstYear) + " " + std::to_string(c.lastYear);
    }));

struct TidyCase {
  const char* text;
  const char* shown;
};

class TidyUnreadDatesTest : public ::testing::TestWithParam<TidyCase> {};

TEST_P(TidyUnreadDatesTest, Shows) { EXPECT_EQ(utf8(tidyUnreadDates(cp(GetParam().text))), GetParam().shown); }

INSTANTIATE_TEST_SUITE_P(Steps, TidyUnreadDatesTest,
                         ::testing::Values(TidyCase{"0.1920 - 0.1925", "1920-1925"}, TidyCase{"0.0.1920", "1920"},
                                           TidyCase{"0-0", ""}, TidyCase{"0 - 0", ""}, TidyCase{"1920 - 0", "1920"},
                                           TidyCase{"0 - 1925", "1925"}, TidyCase{"01. 05. 1920", "01.05.1920"},
                                           TidyCase{"12.0.1920-0.0.1921", "12.1920-1921"}, TidyCase{"0.", ""},
                                           TidyCase{"0", "0"}, TidyCase{"", ""}, TidyCase{"-0", ""}),
                         kestrin::testing::labelled([](const TidyCase& c) { return c.text; }));

struct DocumentDateCase {
  const char* t9;
  int t8Year;
  const char* shown;
};

class DocumentDateTest : public ::testing::TestWithParam<DocumentDateCase> {};

TEST_P(DocumentDateTest, Shows) {
  EXPECT_EQ(utf8(documentDateText(cp(GetParam().t9), GetParam().t8Year)), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Documents, DocumentDateTest,
                         ::testing::Values(DocumentDateCase{"б/д", 0, "б/д"}, DocumentDateCase{"", 0, "б/д"},
                                           DocumentDateCase{"", 1920, "1920"},
                                           DocumentDateCase{"5 мая 1920", 1931, "1920"},
                                           DocumentDateCase{"1920-1925", 0, "1920-1925"},
                                           // Without a display text only the year of the end date shows.
                                           DocumentDateCase{"01.01.1920-31.12.1925", 0, "1925"},
                                           DocumentDateCase{"[1920]", 0, "[1920]"},
                                           DocumentDateCase{"0.1920 - 0.1925", 0, "0.1920 - 0.1925"},
                                           DocumentDateCase{"1931 г.", 0, "1931 г."}),
                         kestrin::testing::labelled([](const DocumentDateCase& c) {
                           return std::string(c.t9) + " " + std::to_string(c.t8Year);
                         }));

TEST(FileCountText, GroupsDigitsByThree) {
  EXPECT_EQ(fileCountText(0), "0");
  EXPECT_EQ(fileCountText(999), "999");
  EXPECT_EQ(fileCountText(1234), "1 234");
  EXPECT_EQ(fileCountText(1234567), "1 234 567");
  EXPECT_EQ(fileCountText(3000000000), "3 000 000 000");
  EXPECT_EQ(fileCountText(-1234), "-1 234");
  EXPECT_EQ(fileCountText(-123), "-123");
}

}  // namespace
}  // namespace kestrin::archive
