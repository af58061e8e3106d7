// Drill-down, cross-navigation, "Показать все", "Только в наличии", the fond
// numbers and the date-range record filter, checked by the records each
// level cursor shows afterwards on the crafted base of navigation_base.h.
#include <gtest/gtest.h>

#include <stdexcept>

#include "browse/navigation/cross_navigation.h"
#include "browse/navigation/date_range_filter.h"
#include "browse/navigation/drill_down.h"
#include "browse/navigation/fond_numbers.h"
#include "browse/navigation/parent_key.h"
#include "browse/navigation/show_all.h"
#include "browse/navigation_base.h"
#include "support/cp1251_test_text.h"
#include "support/cursor_checks.h"
#include "support/temp_dir.h"

namespace kestrin::browse {
namespace {

using archive::ArchiveCursor;
using kestrin::testing::cp;
using kestrin::testing::forwardWalk;
using testing::date;

using Records = std::vector<int>;

// The four level cursors opened as the program opens them: fonds and
// inventories restricted to held ones, files and documents unfiltered.
class NavigationTest : public ::testing::Test {
 protected:
  NavigationTest() {
    testing::writeNavigationBase(dir_.path());
    testing::openLevel(fond_, ArchiveCursor::Fond, dir_.path());
    testing::openLevel(opis_, ArchiveCursor::Opis, dir_.path());
    testing::openLevel(delo_, ArchiveCursor::Delo, dir_.path());
    testing::openLevel(doc_, ArchiveCursor::Doc, dir_.path());
    setListFilter(fond_, "A100=1");
    setListFilter(opis_, "G15=1");
  }

  void goTo(dbf::TableCursor& cursor, int recNo) { cursor.gotoRecNo(recNo); }

  kestrin::testing::TempDir dir_{"navigation"};
  dbf::TableCursor fond_, opis_, delo_, doc_;
  LevelCursors cursors_{fond_, opis_, delo_, doc_};
};

TEST_F(NavigationTest, KeyIsTheParentsKodRightAlignedInSevenCharacters) {
  goTo(fond_, 3);
  EXPECT_EQ(parentKeyOf(fond_), "     12");
  EXPECT_EQ(parentRestriction("FOND", parentKeyOf(fond_)), "FOND=\"     12\"");
}

TEST_F(NavigationTest, InventoriesOfAFondWithAndWithoutHeldOnly) {
  struct Case {
    int fondRecord;
    bool heldOnly;
    std::string filter;
    Records inventories;
  };
  const Case cases[] = {
      {3, false, "FOND=\"     12\"", {5, 6}},
      {3, true, "(G15=1) AND (FOND=\"     12\")", {}},
      {1, false, "FOND=\"      5\"", {1, 2, 4, 7}},
      {1, true, "(G15=1) AND (FOND=\"      5\")", {1, 2, 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.filter);
    fond_.setFiltered(false);
    goTo(fond_, c.fondRecord);
    EXPECT_EQ(showInventoriesOfFond(cursors_, {c.heldOnly, true}), FondDrill::shown);
    EXPECT_EQ(opis_.filter(), c.filter);
    EXPECT_TRUE(opis_.filtered());
    EXPECT_EQ(forwardWalk(opis_), c.inventories);
  }
}

TEST_F(NavigationTest, FondWithoutInventoriesIsRefusedOnlyWhenNalOpisIsOn) {
  goTo(fond_, 4);
  EXPECT_EQ(showInventoriesOfFond(cursors_, {true, true}), FondDrill::noInventories);
  EXPECT_EQ(opis_.filter(), "G15=1");
  EXPECT_EQ(forwardWalk(opis_), (Records{1, 2, 3, 4}));

  goTo(fond_, 4);
  EXPECT_EQ(showInventoriesOfFond(cursors_, {true, false}), FondDrill::shown);
  EXPECT_EQ(forwardWalk(opis_), Records{});
}

TEST_F(NavigationTest, KeyThatIsNotANumberNamesTheRecordAndChangesNoList) {
  fond_.setFiltered(false);
  goTo(fond_, 5);
  const std::string message = kestrin::testing::errorOf([&] { showInventoriesOfFond(cursors_, {true, true}); });
  EXPECT_EQ(message, cp("Код записи не является числом: таблица FOND.DBF, запись № 5, KOD \"   12а\". "
                        "Переход не выполнен."));
  EXPECT_EQ(opis_.filter(), "G15=1");
  EXPECT_EQ(forwardWalk(opis_), (Records{1, 2, 3, 4}));
  EXPECT_THROW(showInventoriesOfFond(cursors_, {true, true}), ParentKeyError);
}

TEST_F(NavigationTest, EmptyParentListIsNamedInsteadOfDrilledInto) {
  setChildListFilter(delo_, "OPIS=\"nothing\"", true);
  const Records documentsBefore = forwardWalk(doc_);
  EXPECT_THROW(showDocumentsOfFile(cursors_), ParentKeyError);
  EXPECT_FALSE(doc_.filtered());
  EXPECT_EQ(forwardWalk(doc_), documentsBefore);
}

TEST_F(NavigationTest, FilesOfAnInventoryInTheOrderOfDeloCdx) {
  goTo(opis_, 1);
  EXPECT_TRUE(showFilesOfInventory(cursors_));
  EXPECT_EQ(delo_.filter(), "OPIS=\"    101\"");
  EXPECT_EQ(delo_.indexName(), "DELO");
  ASSERT_EQ(delo_.indexFiles().size(), 1u);
  EXPECT_EQ(delo_.indexFiles().front(), dir_.path() + "/DELO.CDX");  // found without regard to case
  EXPECT_TRUE(delo_.exactCount());
  EXPECT_EQ(forwardWalk(delo_), (Records{2, 4, 1}));  // L1 1, 2, 3
  EXPECT_EQ(delo_.recordCount(), 3);

  goTo(opis_, 3);
  EXPECT_FALSE(showFilesOfInventory(cursors_));  // the index stays attached
  EXPECT_EQ(forwardWalk(delo_), (Records{6, 3}));
}

TEST_F(NavigationTest, FilesInRecordOrderWithoutDeloCdx) {
  std::filesystem::remove(dir_.path() + "/DELO.CDX");
  goTo(opis_, 1);
  EXPECT_FALSE(showFilesOfInventory(cursors_));
  EXPECT_TRUE(delo_.indexFiles().empty());
  EXPECT_EQ(forwardWalk(delo_), (Records{1, 2, 4}));
}

TEST_F(NavigationTest, DocumentsOfAFileWithDocumCdxAttachedAndNoTag) {
  goTo(delo_, 1);
  showDocumentsOfFile(cursors_);
  EXPECT_EQ(doc_.filter(), "DELO=\"   1001\"");
  EXPECT_EQ(doc_.indexFiles().size(), 1u);
  EXPECT_EQ(doc_.indexName(), "");
  EXPECT_TRUE(doc_.exactCount());
  EXPECT_EQ(forwardWalk(doc_), (Records{1, 2, 4}));
}

TEST_F(NavigationTest, DrillDownTakesTheDateRangeOffBeforeItScans) {
  // Only the file of 1961-1965 is in the range; the drill-down shows all three.
  installDateRange(delo_, archive::Level::Files, {date(1961, 1, 1), date(1970, 1, 1)});
  delo_.setFiltered(true);
  ASSERT_EQ(forwardWalk(delo_), (Records{4}));
  goTo(opis_, 1);
  showFilesOfInventory(cursors_);
  EXPECT_EQ(forwardWalk(delo_), (Records{2, 4, 1}));
}

TEST_F(NavigationTest, FondsOfTheListedInventoriesKeepListOrderAndSkipOnlyAdjacentRepeats) {
  // Held inventories list FOND 5, 5, 7, 5.
  EXPECT_EQ(keyAlternatives(opis_, "FOND"), "KOD=\"      5\" OR KOD=\"      7\" OR KOD=\"      5\"");
  showFondsOfInventories(cursors_);
  EXPECT_EQ(fond_.filter(), "KOD=\"      5\" OR KOD=\"      7\" OR KOD=\"      5\"");
  EXPECT_EQ(forwardWalk(fond_), (Records{1, 2}));
}

TEST_F(NavigationTest, CrossNavigationLeavesTheWalkedListAtItsEnd) {
  showFondsOfInventories(cursors_);
  EXPECT_TRUE(opis_.eof());
  EXPECT_EQ(opis_.recNo(), 4);
}

TEST_F(NavigationTest, InventoriesAndFondsOfTheListedFilesPassOverBlankReferences) {
  showInventoriesOfFiles(cursors_);
  EXPECT_EQ(opis_.filter(), "KOD=\"    101\" OR KOD=\"    103\" OR KOD=\"    101\" OR KOD=\"    103\"");
  EXPECT_EQ(forwardWalk(opis_), (Records{1, 3}));

  showFondsOfFiles(cursors_);
  EXPECT_EQ(fond_.filter(), "KOD=\"      5\" OR KOD=\"      7\"");
  EXPECT_EQ(forwardWalk(fond_), (Records{1, 2}));
}

TEST_F(NavigationTest, EmptyListedListGivesAnEmptyFilterThatAdmitsEveryRecord) {
  setChildListFilter(delo_, "OPIS=\"nothing\"", true);
  showInventoriesOfFiles(cursors_);
  EXPECT_EQ(opis_.filter(), "");
  EXPECT_TRUE(opis_.filtered());
  EXPECT_EQ(forwardWalk(opis_), (Records{1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(NavigationTest, ShowAllKeepsHeldOnlyWhileTheMenuItemIsChecked) {
  goTo(opis_, 1);
  showFilesOfInventory(cursors_);
  goTo(delo_, 1);
  showDocumentsOfFile(cursors_);
  installDateRange(doc_, archive::Level::Documents, {date(1955, 1, 1), date(1955, 1, 1)});
  showFondsOfInventories(cursors_);

  showAll(cursors_, true);
  EXPECT_EQ(fond_.filter(), "A100=1");
  EXPECT_EQ(forwardWalk(fond_), (Records{1, 2, 4, 5}));
  EXPECT_EQ(opis_.filter(), "G15=1");
  EXPECT_EQ(forwardWalk(opis_), (Records{1, 2, 3, 4}));
  for (dbf::TableCursor* child : {&delo_, &doc_}) {
    EXPECT_EQ(child->filter(), "");
    EXPECT_FALSE(child->filtered());
    EXPECT_FALSE(child->exactCount());
  }
  EXPECT_EQ(delo_.indexName(), "DELO");  // the index choice stays
  doc_.setFiltered(true);                // the date range is gone with it
  EXPECT_EQ(forwardWalk(doc_), (Records{1, 2, 3, 4}));

  showAll(cursors_, false);
  EXPECT_FALSE(fond_.filtered());
  EXPECT_FALSE(opis_.filtered());
  EXPECT_EQ(forwardWalk(fond_), (Records{1, 2, 3, 4, 5}));
  EXPECT_EQ(forwardWalk(opis_), (Records{1, 2, 3, 4, 5, 6, 7}));
}

TEST(ShowAllTexts, StatusNamesTheListOfThePage) {
  const std::pair<int, const char*> cases[] = {{0, "Все фонды."},     {1, "Все описи."}, {2, "Все дела."},
                                               {3, "Все документы."}, {4, ""},           {6, ""}};
  for (const auto& [page, text] : cases) EXPECT_EQ(showAllPageStatus(page), cp(text)) << page;
  EXPECT_EQ(onlyAvailableCountText(0), cp("Нет записей."));
  EXPECT_EQ(onlyAvailableCountText(1234), cp("Записей: 1 234"));
}

TEST_F(NavigationTest, OnlyAvailableTogglesTheFondPage) {
  showFondsOfInventories(cursors_);
  OnlyAvailableResult result = applyOnlyAvailable(cursors_, 0, false);
  EXPECT_EQ(result.status, cp("Показаны все фонды."));
  EXPECT_EQ(forwardWalk(fond_), (Records{1, 2, 3, 4, 5}));  // the cross-navigation stops applying too

  result = applyOnlyAvailable(cursors_, 0, true);
  EXPECT_EQ(result.status, cp("Показаны фонды в наличии."));
  EXPECT_EQ(fond_.filter(), "A100=1");
  EXPECT_EQ(forwardWalk(fond_), (Records{1, 2, 4, 5}));
}

TEST_F(NavigationTest, OnlyAvailableUncheckedAfterADrillDownShowsEveryFondsInventories) {
  goTo(fond_, 1);
  showInventoriesOfFond(cursors_, {true, true});
  OnlyAvailableResult result = applyOnlyAvailable(cursors_, 1, false);
  EXPECT_EQ(result.status, cp("Показаны все описи."));
  EXPECT_EQ(forwardWalk(opis_), (Records{1, 2, 3, 4, 5, 6, 7}));

  goTo(fond_, 1);
  showInventoriesOfFond(cursors_, {false, true});
  result = applyOnlyAvailable(cursors_, 1, true);
  EXPECT_EQ(result.status, cp("Показаны описи в наличии."));
  EXPECT_EQ(opis_.filter(), "G15=1");  // the fond's restriction is dropped this way too
  EXPECT_EQ(forwardWalk(opis_), (Records{1, 2, 3, 4}));
}

TEST_F(NavigationTest, OnlyAvailableOnOtherPagesChangesNothing) {
  for (const int page : {2, 3, 4}) {
    const OnlyAvailableResult result = applyOnlyAvailable(cursors_, page, false);
    EXPECT_FALSE(result.applied);
    EXPECT_EQ(result.status, cp("Доступно только для фондов и описей."));
    EXPECT_EQ(fond_.filter(), "A100=1");
    EXPECT_TRUE(fond_.filtered());
    EXPECT_TRUE(opis_.filtered());
  }
}

TEST_F(NavigationTest, FondNumbersWithoutBlanksAndTheCurrentFondKept) {
  showFondsOfInventories(cursors_);
  goTo(fond_, 2);
  EXPECT_EQ(fondNumberList(fond_), cp("Р-1, Р-25"));
  EXPECT_EQ(fond_.recNo(), 2);
}

TEST_F(NavigationTest, DateRangeOfFilesIsAnOverlapWithEmptyDatesAtTheStartOfTheScale) {
  struct Case {
    dbf::CivilDate from, to;
    Records files;
  };
  // Files: 1 1950-1960, 2 1940-1945, 3 no dates, 4 1961-1965, 5 1950, 6 no start to 1960-06-01.
  const Case cases[] = {
      {date(1955, 1, 1), date(1970, 1, 1), {1, 4, 6}},
      {date(1961, 1, 1), date(1970, 1, 1), {4}},
      {date(1945, 12, 31), date(1950, 1, 1), {1, 2, 5, 6}},
      {date(1899, 12, 30), date(1899, 12, 30), {3, 6}},
  };
  delo_.setFiltered(true);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from.year);
    installDateRange(delo_, archive::Level::Files, {c.from, c.to});
    EXPECT_EQ(forwardWalk(delo_), c.files);
  }
  removeDateRange(delo_);
  EXPECT_EQ(forwardWalk(delo_), (Records{1, 2, 3, 4, 5, 6}));
}

TEST_F(NavigationTest, DateRangeOfDocumentsIncludesBothEnds) {
  // Documents: 1 1955-01-01, 2 1970-01-01, 3 no date, 4 1954-12-31.
  doc_.setFiltered(true);
  installDateRange(doc_, archive::Level::Documents, {date(1955, 1, 1), date(1970, 1, 1)});
  EXPECT_EQ(forwardWalk(doc_), (Records{1, 2}));
  installDateRange(doc_, archive::Level::Documents, {date(1955, 1, 2), date(1969, 12, 31)});
  EXPECT_EQ(forwardWalk(doc_), Records{});
}

TEST_F(NavigationTest, DateRangeAppliesOnlyToFilesAndDocuments) {
  EXPECT_THROW(installDateRange(fond_, archive::Level::Fonds, {}), std::invalid_argument);
}

}  // namespace
}  // namespace kestrin::browse
