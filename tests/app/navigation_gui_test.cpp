// Navigation from the window on the offscreen platform: double click, Enter,
// the grids' popup menus, the command bar, the places of "Показать все" and
// "Только в наличии", on the crafted base of browse/navigation_base.h.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "app/fake_platform.h"
#include "app/frame/level_pages.h"
#include "app/gui/command_bar.h"
#include "app/gui/main_window.h"
#include "app/gui/navigation_controller.h"
#include "app/gui/pages_controller.h"
#include "app/gui/search_strip.h"
#include "app/gui/startup_controller.h"
#include "browse/gui/level_grid.h"
#include "browse/navigation_base.h"
#include "support/temp_dir.h"

namespace kestrin::app {
namespace {

namespace fs = std::filesystem;
using archive::Level;

class NavigationGuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root_.path() + "/program");
    fs::create_directories(root_.path() + "/base");
    platform_.program = root_.path() + "/program/";
    platform_.appData = root_.path() + "/config";
    platform_.bare = root_.path() + "/";
    browse::testing::writeNavigationBase(root_.path() + "/base");
    w_ = std::make_unique<MainWindow>(platform_);
    StartupController(*w_).run(root_.path() + "/base");
    w_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w_.get()));
  }

  browse::LevelGrid* grid(Level level) { return w_->pages().grid(level); }
  int page() { return w_->pages().activePage(); }
  int rows(Level level) {
    QAbstractItemModel* model = grid(level)->model();
    while (model->canFetchMore({})) model->fetchMore({});
    return model->rowCount();
  }
  // Makes `row` of the grid current, as a click does.
  void select(Level level, int row) {
    grid(level)->setFocus();
    grid(level)->setCurrentIndex(grid(level)->model()->index(row, 1));
  }
  QString caption() { return w_->windowTitle(); }
  void expectNotBusy() { EXPECT_EQ(QApplication::overrideCursor(), nullptr); }

  kestrin::testing::TempDir root_{"navigation-gui"};
  fakes::FakePlatform platform_;
  std::unique_ptr<MainWindow> w_;
};

TEST_F(NavigationGuiTest, DoubleClickOnAFondShowsItsHeldInventories) {
  select(Level::Fonds, 0);  // KOD 5
  browse::LevelGrid* fonds = grid(Level::Fonds);
  const QRect cell = fonds->visualRect(fonds->model()->index(0, 1));
  // The view drills down on a double click that follows a press on the same row.
  QTest::mouseClick(fonds->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(fonds->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(page(), kOpisPage);
  EXPECT_EQ(rows(Level::Inventories), 3);
  EXPECT_EQ(caption(), QStringLiteral("Список описей фонда."));
  EXPECT_EQ(w_->statusPanel(1)->text(), QStringLiteral("Записей: 3"));
  expectNotBusy();
}

TEST_F(NavigationGuiTest, EnterOnAnInventoryShowsItsFilesInDeloCdxOrder) {
  w_->pages().showPage(kOpisPage);
  select(Level::Inventories, 0);  // KOD 101
  QTest::keyClick(grid(Level::Inventories), Qt::Key_Return);
  EXPECT_EQ(page(), kDeloPage);
  EXPECT_EQ(caption(), QStringLiteral("Список дел описи."));
  ASSERT_EQ(rows(Level::Files), 3);
  EXPECT_EQ(grid(Level::Files)->model()->index(0, 0).data().toString().trimmed(), QStringLiteral("1"));
  EXPECT_EQ(grid(Level::Files)->markers().front(), browse::SortMarker::ascending);
  expectNotBusy();
}

TEST_F(NavigationGuiTest, DefaultItemsOfThePopupMenusDrillDownAndAreBold) {
  const GridMenus& menus = w_->navigation().menus();
  struct Case {
    QMenu* menu;
    QStringList items;
  };
  const Case cases[] = {
      {menus.pmFond, {"Показать описи фонда", "Показать номера фондов", "Искать в этом фонде", "Свойства"}},
      {menus.pmOpis, {"Показать дела описи", "Показать фонды описей", "Искать в этом фонде", "Свойства"}},
      {menus.pmDelo,
       {"Показать документы дела", "Показать описи дел", "Показать фонды дел", "Искать в этом фонде", "Свойства"}},
  };
  for (const Case& c : cases) {
    QStringList texts;
    for (QAction* action : c.menu->actions()) texts << action->text();
    EXPECT_EQ(texts, c.items);
    ASSERT_EQ(c.menu->defaultAction(), c.menu->actions().front());
    EXPECT_TRUE(c.menu->defaultAction()->font().bold());
    EXPECT_FALSE(c.menu->actions().at(1)->font().bold());
  }

  w_->pages().showPage(kDeloPage);
  select(Level::Files, 0);  // KOD 1001
  menus.pmDelo->defaultAction()->trigger();
  EXPECT_EQ(page(), kDocPage);
  EXPECT_EQ(rows(Level::Documents), 3);
  EXPECT_EQ(caption(), QStringLiteral("Список документов дела."));
}

TEST_F(NavigationGuiTest, CommandBarLinksCrossNavigateAndSwitchPages) {
  w_->pages().showPage(kOpisPage);
  QTest::mouseClick(w_->commandBar()->label("lbl1"), Qt::LeftButton);
  EXPECT_EQ(page(), kFondPage);
  EXPECT_EQ(rows(Level::Fonds), 2);  // the fonds of the held inventories: 5 and 7
  EXPECT_EQ(caption(), QStringLiteral("Список фондов описей."));

  w_->pages().showPage(kDeloPage);
  QTest::mouseClick(w_->commandBar()->label("lblDeloOpis"), Qt::LeftButton);
  EXPECT_EQ(page(), kOpisPage);
  EXPECT_EQ(rows(Level::Inventories), 2);
  EXPECT_EQ(caption(), QStringLiteral("Список описей дел."));

  const QString filter = QString::fromStdString(w_->tables().opis.filter());
  QTest::mouseClick(w_->commandBar()->label("lbOpisFondNum"), Qt::LeftButton);
  EXPECT_EQ(page(), kFondPage);
  EXPECT_EQ(QString::fromStdString(w_->tables().opis.filter()), filter);
  expectNotBusy();
}

TEST_F(NavigationGuiTest, ShowAllFromEachOfItsPlaces) {
  const SearchStrip& strip = *w_->searchStrip();
  const std::vector<std::function<void()>> places = {
      [&] { QTest::mouseClick(w_->commandBar()->label("Label12"), Qt::LeftButton); },
      [&] { emit strip.clearLink()->linkActivated(QStringLiteral("#")); },
      [&] { w_->menu().mmClearFilter->trigger(); },
      [&] { strip.clearAction()->trigger(); },
  };
  for (const auto& showAll : places) {
    select(Level::Fonds, 0);
    w_->navigation().move(browse::Move::inventoriesOfFond);
    ASSERT_EQ(rows(Level::Inventories), 3);
    showAll();
    EXPECT_EQ(page(), kOpisPage);
    EXPECT_EQ(rows(Level::Inventories), 4);  // held ones of every fond
    EXPECT_EQ(caption(), QStringLiteral("Без фильтра."));
    EXPECT_EQ(w_->statusPanel(1)->text(), QStringLiteral("Записей: 4"));
    w_->pages().showPage(kFondPage);
  }
  expectNotBusy();
}

TEST_F(NavigationGuiTest, OnlyAvailableTogglesOnTheFondPageAndRefusesOnTheFilePage) {
  QAction* mmNal = w_->menu().mmNal;
  ASSERT_TRUE(mmNal->isEnabled());
  mmNal->trigger();
  EXPECT_FALSE(mmNal->isChecked());
  EXPECT_EQ(caption(), QStringLiteral("Показаны все фонды."));
  EXPECT_EQ(w_->statusPanel(1)->text(), QStringLiteral("Записей: 5"));
  EXPECT_EQ(rows(Level::Fonds), 5);

  w_->pages().showPage(kDeloPage);
  mmNal->trigger();
  EXPECT_FALSE(mmNal->isChecked());  // toggled back
  EXPECT_EQ(caption(), QStringLiteral("Доступно только для фондов и описей."));
  EXPECT_FALSE(w_->tables().fond.filtered());
  expectNotBusy();
}

TEST_F(NavigationGuiTest, FondWithoutInventoriesStaysOnTheFondPage) {
  select(Level::Fonds, 2);  // KOD 13, A5 = 0
  w_->navigation().menus().pmmFondOpis->trigger();
  EXPECT_EQ(page(), kFondPage);
  EXPECT_EQ(caption(), QStringLiteral("В фонде нет описей."));
  EXPECT_EQ(w_->statusPanel(1)->text(), QStringLiteral("В фонде нет описей."));
  expectNotBusy();
}

TEST_F(NavigationGuiTest, KeyThatIsNotANumberIsReportedAndNothingMoves) {
  const QString captionBefore = caption();
  select(Level::Fonds, 3);  // KOD "12а"
  w_->navigation().menus().pmmFondOpis->trigger();
  const auto boxes = w_->findChildren<QMessageBox*>();
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_EQ(boxes.front()->text(), QStringLiteral("Код записи не является числом: таблица FOND.DBF, запись № 5, "
                                                  "KOD \"   12а\". Переход не выполнен."));
  EXPECT_EQ(caption(), captionBefore);
  EXPECT_EQ(page(), kFondPage);
  EXPECT_EQ(w_->tables().opis.filter(), "G15=1");
  expectNotBusy();
}

}  // namespace
}  // namespace kestrin::app
