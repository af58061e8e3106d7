// The card window's step buttons on a table of three records: where each
// step lands at either end of the list in each last-record mode, and the
// buttons' hints per page.
#include "app/frame/card_steps.h"

#include <gtest/gtest.h>

#include "app/frame/level_pages.h"
#include "browse/test_level_tables.h"
#include "dbf/cursor/table_cursor.h"
#include "support/case_names.h"
#include "support/temp_dir.h"
#include "text/cp1251_utf8.h"

namespace kestrin::app {
namespace {

using kestrin::testing::labelled;

struct StepCase {
  const char* label;
  int page;
  int from;  // record number
  bool forward;
  LastRecordMode mode;
  int to;
  StepOutcome outcome;
};

class CardStepTest : public ::testing::TestWithParam<StepCase> {
 protected:
  void SetUp() override {
    std::vector<browse::testing::TestRow> rows;
    for (int i = 1; i <= 3; ++i) {
      rows.push_back({{{"KOD", std::to_string(i)}, {"L1", std::to_string(i)}}});
    }
    browse::testing::writeLevelTable(dir_.path(), archive::ArchiveCursor::Delo, rows);
    browse::testing::openLevel(cursor_, archive::ArchiveCursor::Delo, dir_.path());
  }

  kestrin::testing::TempDir dir_;
  dbf::TableCursor cursor_;
};

TEST_P(CardStepTest, LandsOn) {
  const StepCase& c = GetParam();
  cursor_.gotoRecNo(c.from);
  EXPECT_EQ(stepCardRecord(cursor_, c.page, c.forward, c.mode), c.outcome);
  EXPECT_EQ(cursor_.recNo(), c.to);
}

using M = LastRecordMode;
using O = StepOutcome;

INSTANTIATE_TEST_SUITE_P(
    Ends, CardStepTest,
    ::testing::Values(StepCase{"next inside", kDeloPage, 2, true, M::beep, 3, O::moved},
                      StepCase{"previous inside", kDeloPage, 2, false, M::beep, 1, O::moved},
                      StepCase{"next at the end beeps", kDeloPage, 3, true, M::beep, 3, O::beep},
                      StepCase{"next at the end wraps", kFondPage, 3, true, M::wrap, 1, O::moved},
                      StepCase{"next parent wraps like wrap", kOpisPage, 3, true, M::nextParent, 1, O::moved},
                      StepCase{"next at the end without a mode stays", kDeloPage, 3, true, M::none, 3, O::moved},
                      StepCase{"previous at the start beeps", kFondPage, 1, false, M::beep, 1, O::beep},
                      StepCase{"previous at the start wraps", kDeloPage, 1, false, M::wrap, 3, O::moved},
                      StepCase{"previous next parent wraps", kDeloPage, 1, false, M::nextParent, 3, O::moved},
                      StepCase{"documents only step", kDocPage, 3, true, M::wrap, 3, O::moved},
                      StepCase{"documents never beep", kDocPage, 1, false, M::beep, 1, O::moved},
                      StepCase{"documents step inside", kDocPage, 1, true, M::beep, 2, O::moved},
                      StepCase{"photo page moves nothing", kPhotoPage, 2, true, M::wrap, 2, O::moved}),
    labelled([](const StepCase& c) { return std::string(c.label); }));

TEST_F(CardStepTest, SecondPressAtTheEndBeepsAgain) {
  cursor_.gotoRecNo(3);
  EXPECT_EQ(stepCardRecord(cursor_, kDeloPage, true, LastRecordMode::beep), StepOutcome::beep);
  EXPECT_EQ(stepCardRecord(cursor_, kDeloPage, true, LastRecordMode::beep), StepOutcome::beep);
  EXPECT_EQ(stepCardRecord(cursor_, kDeloPage, false, LastRecordMode::beep), StepOutcome::moved);
  EXPECT_EQ(cursor_.recNo(), 2);
}

TEST(CardStepHints, PerLevelPage) {
  const char* const hints[4][2] = {{"Предыдущий фонд", "Следующий фонд"},
                                   {"Предыдущая опись", "Следующая опись"},
                                   {"Предыдущее дело", "Следующее дело"},
                                   {"Предыдущий документ", "Следующий документ"}};
  for (int page = kFondPage; page <= kDocPage; ++page) {
    const auto step = cardStepHints(page);
    ASSERT_TRUE(step);
    EXPECT_EQ(text::cp1251ToUtf8(step->previous), hints[page][0]);
    EXPECT_EQ(text::cp1251ToUtf8(step->next), hints[page][1]);
  }
  EXPECT_FALSE(cardStepHints(kPhotoPage));
  EXPECT_FALSE(cardStepHints(kAboutPage));
}

}  // namespace
}  // namespace kestrin::app
