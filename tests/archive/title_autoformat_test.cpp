#include "archive/title/title_autoformat.h"

#include <gtest/gtest.h>

#include "support/case_names.h"
#include "support/cp1251_test_text.h"

namespace kestrin::archive {
namespace {

using testing::cp;
using testing::utf8;

struct TitleCase {
  const char* title;
  const char* autoformatted;
  const char* typography;  // of the autoformatted text; nullptr when not checked
};

void PrintTo(const TitleCase& c, std::ostream* out) { *out << c.title; }

class TitleAutoformatTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleAutoformatTest, FormatsTitle) {
  const TitleCase& c = GetParam();
  const std::string formatted = titleAutoformat(cp(c.title));
  EXPECT_EQ(utf8(formatted), c.autoformatted);
  if (c.typography != nullptr) {
    EXPECT_EQ(utf8(quoteTypography(formatted)), c.typography);
  }
}

// The listed results of the title rules.
INSTANTIATE_TEST_SUITE_P(
    ListedResults, TitleAutoformatTest,
    ::testing::Values(
        TitleCase{"Протоколы заседаний ВКП(б),приказы и переписка", "Протоколы заседаний ВКП(б), приказы и переписка",
                  nullptr},
        TitleCase{"Дело N5 по ул.Ленина,д.5", "Дело № 5 по ул. Ленина, д. 5", nullptr},
        TitleCase{"Отчет за 1920г", "Отчет за 1920 г.", nullptr},
        TitleCase{"Приказы  № 1 - № 12", "Приказы №№ 1-12", "Приказы №№ 1–12"},
        TitleCase{"Фонд \"Заря\" ( 1920-1925 гг.)", "Фонд \"Заря\" (1920-1925 гг.)", "Фонд «Заря» (1920–1925 гг.)"},
        TitleCase{"Фонд \" Заря \"", "Фонд \"Заря\"", "Фонд «Заря»"}, TitleCase{"И. О. Петров", "И.О. Петров", nullptr},
        TitleCase{"Иванов И. И.,Петров П.П.", "Иванов И.И., Петров П.П.", nullptr},
        TitleCase{"Переписка с ЦК ВКП /б/ и т.д.", "Переписка с ЦК ВКП(б) и т.д.", nullptr},
        TitleCase{"Постановления #12,14,15", "Постановления № 12, 14, 15", nullptr},
        TitleCase{"Документы 1920 - 1925 гг.", "Документы 1920-1925 гг.", nullptr},
        TitleCase{"Переписка(1920 - 1925)", "Переписка (1920 - 1925)", "Переписка (1920 – 1925)"},
        TitleCase{"по 1,5 руб.", "по 1,5 руб.", nullptr}, TitleCase{"посевах,1920г", "посевах,1920 г.", nullptr},
        TitleCase{"N12", "№ 12", nullptr}, TitleCase{"ПРОТОКОЛ N 12", "ПРОТОКОЛ № 12", nullptr}, TitleCase{"", "", ""}),
    kestrin::testing::labelled([](const TitleCase& c) { return c.title; }));

INSTANTIATE_TEST_SUITE_P(
    MoreTitles, TitleAutoformatTest,
    ::testing::Values(
        TitleCase{"  Отчет\t", "Отчет", nullptr}, TitleCase{"N", "N", nullptr}, TitleCase{" a ", "a", nullptr},
        TitleCase{"(1920 - 1925) гг. отчеты", "(1920-1925) гг. отчеты", nullptr},
        TitleCase{"Дела 1920 - 1925 годов", "Дела 1920 - 1925 годов", "Дела 1920 – 1925 годов"},
        TitleCase{"Приказы 5 -7 и 8- 9", "Приказы 5-7 и 8-9", "Приказы 5–7 и 8–9"},
        TitleCase{"Отчет;план:смета", "Отчет; план: смета", nullptr}, TitleCase{"Книга N а-5", "Книга № а-5", nullptr},
        TitleCase{"Счета за 1920гг.", "Счета за 1920 гг.", nullptr}, TitleCase{"Дело\\1", "Дело/1", nullptr},
        TitleCase{"Протокол N1 ,акт", "Протокол № 1, акт", nullptr},
        TitleCase{"Переписка с Совнаркомом /СНК/", "Переписка с Совнаркомом (СНК)", nullptr},
        TitleCase{"1920 - 1925 гг. Отчеты", "1920-1925 гг. Отчеты", nullptr},
        // A range written without spaces keeps its first number whole.
        TitleCase{"Приказы №1-№12", "Приказы №№ 1-12", "Приказы №№ 1–12"}, TitleCase{"№1-№12", "№№ 1-12", nullptr},
        TitleCase{"Приказы № 12- № 15", "Приказы №№ 12-15", nullptr},
        // Two numbers without a hyphen are not a range.
        TitleCase{"Приказы № 1 № 12", "Приказы № 1 № 12", nullptr},
        TitleCase{"Колхоз \" Заря \" и \" Восход \" района", "Колхоз \"Заря\" и \"Восход\" района",
                  "Колхоз «Заря» и «Восход» района"}),
    kestrin::testing::labelled([](const TitleCase& c) { return c.title; }));

struct QuoteCase {
  const char* text;
  const char* expected;
};

class QuoteTypographyTest : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(QuoteTypographyTest, QuotesAndDashes) {
  EXPECT_EQ(utf8(quoteTypography(cp(GetParam().text))), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QuoteTypographyTest,
    ::testing::Values(QuoteCase{"", ""}, QuoteCase{"\"", "«"}, QuoteCase{"\"\"", "«»"}, QuoteCase{"\"Заря\"", "«Заря»"},
                      QuoteCase{"1920-1925", "1920–1925"}, QuoteCase{"а - б", "а – б"}, QuoteCase{"?-?", "?–?"},
                      QuoteCase{"01.-02", "01.–02"}, QuoteCase{"слово-слово", "слово-слово"},
                      QuoteCase{"-1920-", "-1920-"},
                      QuoteCase{"колхоз \"Заря\", артель \"Труд\"!", "колхоз «Заря», артель «Труд»!"},
                      QuoteCase{"(\"Заря\")", "(«Заря»)"}, QuoteCase{"а\"б\"в\"г", "а«б»в«г"},
                      QuoteCase{"\"Завод \"Серп\"\"", "«Завод «Серп»»"}),
    kestrin::testing::labelled([](const QuoteCase& c) { return c.text; }));

TEST(TitleAutoformatRobustnessTest, OddTextsEndWithoutCrash) {
  const char* odd[] = {"\"",   "\"\"\"",    " \" \" \" ", "N",       "NNNN", "№№№№",
                       "////", "(((",       ")))",        ",,,,",    "....", "----",
                       "N -5", "№ - № - №", "1920г1920г", "\" N \"", "г.р.", "А. Б. В. Г."};
  for (const char* text : odd) {
    const std::string once = titleAutoformat(cp(text));
    EXPECT_NO_THROW(quoteTypography(once)) << text;
  }
  std::string longTitle;
  for (int i = 0; i < 500; ++i) longTitle += cp("Дело N5 ул.Ленина,д.5 \" Заря \" 1920г (1920 - 1925)/б/ ");
  EXPECT_FALSE(titleAutoformat(longTitle).empty());
}

}  // namespace
}  // namespace kestrin::archive
