// kestrin-cli card: the card of one record as JSON lines, the default
// highlight mode the search box would select, and its argument errors.
#include <gtest/gtest.h>

#include <sstream>

#include "browse/card/card_test_base.h"
#include "cli/command.h"
#include "cli/typed_search_mode.h"
#include "support/temp_dir.h"

namespace kestrin::cli {
namespace {

using browse::HighlightMode;

std::string run(const Args& args) {
  std::ostringstream out;
  EXPECT_EQ(runCard(args, out), 0);
  return out.str();
}

TEST(CardCommand, PrintsTheLinesThenCaptionAndStatus) {
  testing::TempDir dir;
  browse::testing::writeCardBase(dir.path());
  EXPECT_EQ(run({dir.path(), "doc", "1", "--query", "приказ ЗАГОТОВКАХ"}),
            R"({"text": "Ф.12. Оп.12. Т.3. Д.45", "bold": true, "size": 10, "color": "text", "spans": []})"
            "\n"
            R"({"text": "Приказ «О заготовках»", "bold": true, "size": 10, "color": "text", "spans": [)"
            R"({"from": 0, "to": 6, "bold": true, "color": "#0000FF"}, )"
            R"({"from": 10, "to": 20, "bold": true, "color": "#008000"}]})"
            "\n"
            R"({"text": "Дата: 5 мая 1920", "bold": false, "size": 10, "color": "text", "spans": []})"
            "\n"
            R"({"caption": "Ф.12. Оп.12. Т.3. Д.45", "status": ["Ф.12. Оп.12. Т.3. Д.45", "Фонд \"Заря\""]})"
            "\n");
}

TEST(CardCommand, FondCardLeavesTheCaptionAndMarksGreyNotes) {
  testing::TempDir dir;
  browse::testing::writeCardBase(dir.path());
  const std::string out = run({dir.path(), "0", "3", "--all", "--query", "13", "--mode", "phrase"});
  EXPECT_NE(out.find(R"({"text": "Ф.13.", "bold": true, "size": "base+2", "color": "text", "spans": [)"
                     R"({"from": 2, "to": 4, "bold": true, "color": "#0000FF"}]})"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find(R"({"text": "отсутствует.", "bold": false, "size": "base", "color": "grey", "spans": []})"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find(R"({"caption": null, "status": ["Ф.13", ""]})"), std::string::npos) << out;
}

TEST(CardCommand, ANumberTypedIsNotHighlighted) {
  testing::TempDir dir;
  browse::testing::writeCardBase(dir.path());
  EXPECT_EQ(run({dir.path(), "0", "3", "--all", "--query", "13"}).find("#0000FF"), std::string::npos);
}

// Fond 3 is not held: without --all the start-up list does not show it.
TEST(CardCommand, RecordOutsideTheStartupListIsAnError) {
  testing::TempDir dir;
  browse::testing::writeCardBase(dir.path());
  std::ostringstream out;
  EXPECT_THROW(runCard({dir.path(), "fond", "3"}, out), std::runtime_error);
  EXPECT_THROW(runCard({dir.path(), "fond", "9"}, out), std::runtime_error);
  EXPECT_EQ(out.str(), "");
}

TEST(CardCommand, BaseWithoutTablesPrintsTheNoBaseCard) {
  testing::TempDir dir;
  const std::string out = run({dir.path(), "delo", "1"});
  EXPECT_EQ(out.rfind(R"({"text": "Путь к базам Архивного Фонда не указан.")", 0), 0u) << out;
}

TEST(CardCommand, WrongArgumentsAreUsageErrors) {
  std::ostringstream out;
  for (const Args& args : std::vector<Args>{{},
                                            {"base", "fond"},
                                            {"base", "4", "1"},
                                            {"base", "files", "1"},
                                            {"base", "0", "x"},
                                            {"base", "0", "1", "--mode", "exact"},
                                            {"base", "0", "1", "--query"},
                                            {"base", "0", "1", "--sort"}}) {
    EXPECT_THROW(runCard(args, out), UsageError) << ::testing::PrintToString(args);
  }
  EXPECT_EQ(out.str(), "");
}

struct TypedCase {
  const char* typed;
  HighlightMode mode;
};

class TypedSearchModeTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedSearchModeTest, SelectsTheModeAsTheBoxDoes) {
  EXPECT_EQ(typedSearchMode(text::utf8ToCp1251(GetParam().typed)), GetParam().mode) << GetParam().typed;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TypedSearchModeTest,
    ::testing::Values(TypedCase{"", HighlightMode::Phrase}, TypedCase{"приказ", HighlightMode::Phrase},
                      TypedCase{"12", HighlightMode::Number}, TypedCase{"0", HighlightMode::Phrase},
                      TypedCase{"12 пр", HighlightMode::Number}, TypedCase{"12 приказ", HighlightMode::AllWords},
                      TypedCase{"старый город", HighlightMode::AllWords}, TypedCase{"  мост  ", HighlightMode::Phrase},
                      TypedCase{"12, 15", HighlightMode::Number}));

}  // namespace
}  // namespace kestrin::cli
