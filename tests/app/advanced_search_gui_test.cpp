// The dialog "Расширенный поиск" from the main window on the offscreen
// platform, over the crafted base of search/advanced_base.h: opened on each
// level with its caption and controls, Alt+Right changing the window's
// level, Cancel changing nothing, a search that finds, and a mistyped special
// filter shown in the dialog.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "app/fake_platform.h"
#include "app/frame/level_pages.h"
#include "app/gui/advanced_search_controller.h"
#include "app/gui/main_window.h"
#include "app/gui/pages_controller.h"
#include "app/gui/search_strip.h"
#include "app/gui/startup_controller.h"
#include "browse/gui/level_grid.h"
#include "search/advanced_base.h"
#include "search/gui/advanced_search_dialog.h"
#include "support/temp_dir.h"

namespace kestrin::app {
namespace {

namespace fs = std::filesystem;
using archive::Level;
using search::AdvancedSearchDialog;

class AdvancedSearchGuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root_.path() + "/program");
    fs::create_directories(root_.path() + "/base");
    platform_.program = root_.path() + "/program/";
    platform_.appData = root_.path() + "/config";
    platform_.bare = root_.path() + "/";
    search::testing::writeAdvancedBase(root_.path() + "/base");
    w_ = std::make_unique<MainWindow>(platform_);
    StartupController(*w_).run(root_.path() + "/base");
    w_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w_.get()));
  }

  // Opens the dialog by `trigger` and runs `inside` while it is shown; the
  // dialog is cancelled afterwards if `inside` left it open.
  void withDialog(const std::function<void()>& trigger, const std::function<void(AdvancedSearchDialog&)>& inside) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
      AdvancedSearchDialog* d = w_->advancedSearch().dialog();
      if (d == nullptr || !d->isVisible()) return;
      shown = true;
      inside(*d);
      if (d->isVisible()) d->reject();
    });
    trigger();
    EXPECT_TRUE(shown);
  }
  void f7() { w_->menu().mmSearchAdv->trigger(); }
  template <class T>
  static T* control(AdvancedSearchDialog& d, const char* name) {
    T* widget = d.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  int rows(Level level) {
    QAbstractItemModel* model = w_->pages().grid(level)->model();
    while (model->canFetchMore({})) model->fetchMore({});
    return model->rowCount();
  }

  kestrin::testing::TempDir root_{"advanced-gui"};
  fakes::FakePlatform platform_;
  std::unique_ptr<MainWindow> w_;
};

struct LevelLook {
  int page;
  const char* caption;
  bool move, rename, rubric, docText;
  int categories;
};

TEST_F(AdvancedSearchGuiTest, EachLevelHasItsCaptionAndControls) {
  const LevelLook looks[] = {
      {kFondPage, "Расширенный поиск по фондам", true, true, false, false, 5},
      {kOpisPage, "Расширенный поиск по описям", true, false, false, false, 5},
      {kDeloPage, "Расширенный поиск по делам", false, false, true, false, 5},
      {kDocPage, "Расширенный поиск по документам", false, false, false, true, 19},
  };
  for (const LevelLook& look : looks) {
    SCOPED_TRACE(look.caption);
    w_->pages().showPage(look.page);
    withDialog([&] { f7(); },
               [&](AdvancedSearchDialog& d) {
                 EXPECT_EQ(d.windowTitle(), QString::fromUtf8(look.caption));
                 EXPECT_EQ(control<QComboBox>(d, "cbMove")->isEnabled(), look.move);
                 EXPECT_EQ(control<QCheckBox>(d, "cbRename")->isEnabled(), look.rename);
                 EXPECT_EQ(control<QCheckBox>(d, "cbRubr")->isEnabled(), look.rubric);
                 EXPECT_EQ(control<QCheckBox>(d, "cbDocText")->isEnabled(), look.docText);
                 EXPECT_TRUE(control<QComboBox>(d, "cbKat")->isEnabled());
                 EXPECT_EQ(control<QComboBox>(d, "cbKat")->count(), look.categories);
                 // "Только в наличии" is checked: held fonds and inventories.
                 if (look.move) {
                   EXPECT_EQ(control<QComboBox>(d, "cbMove")->currentIndex(), 1);
                 }
               });
  }
}

TEST_F(AdvancedSearchGuiTest, OpensFromF3CtrlFTheLinkAndThePopupItem) {
  browse::LevelGrid* grid = w_->pages().grid(Level::Fonds);
  grid->setFocus();
  withDialog([&] { QTest::keyClick(grid, Qt::Key_F3); }, [](AdvancedSearchDialog&) {});
  withDialog([&] { QTest::keyClick(grid, Qt::Key_F, Qt::ControlModifier); }, [](AdvancedSearchDialog&) {});
  withDialog([&] { emit w_->searchStrip()->advancedLink()->linkActivated(QStringLiteral("#")); },
             [](AdvancedSearchDialog&) {});
  QAction* item = nullptr;
  for (QAction* a : w_->searchStrip()->searchMenu()->actions()) {
    if (a->objectName() == QStringLiteral("pmmSearchAdv")) item = a;
  }
  ASSERT_NE(item, nullptr);
  EXPECT_TRUE(item->isEnabled());
  withDialog([&] { item->trigger(); }, [](AdvancedSearchDialog&) {});
}

TEST_F(AdvancedSearchGuiTest, AltRightOnDocumentsGoesToFonds) {
  w_->pages().showPage(kDocPage);
  withDialog([&] { f7(); },
             [&](AdvancedSearchDialog& d) {
               QTest::keyClick(d.searchBox(), Qt::Key_Right, Qt::AltModifier);
               EXPECT_EQ(w_->pages().activePage(), kFondPage);
               EXPECT_EQ(d.windowTitle(), QStringLiteral("Расширенный поиск по фондам"));
               QTest::keyClick(&d, Qt::Key_Left, Qt::AltModifier);
               EXPECT_EQ(w_->pages().activePage(), kDocPage);
             });
}

TEST_F(AdvancedSearchGuiTest, CancelLeavesEveryCursorAsItWas) {
  BaseTables& tables = w_->tables();
  struct State {
    std::string filter;
    bool filtered;
    bool recordFilter;
    int recNo;
    bool operator==(const State&) const = default;
  };
  const auto states = [&] {
    std::vector<State> out;
    for (dbf::TableCursor* c : {&tables.fond, &tables.opis, &tables.delo, &tables.doc}) {
      out.push_back({c->filter(), c->filtered(), c->recordFilterActive(), c->recNo()});
    }
    return out;
  };
  const auto before = states();
  w_->pages().showPage(kDeloPage);
  withDialog([&] { f7(); },
             [&](AdvancedSearchDialog& d) {
               d.searchBox()->setEditText(QStringLiteral("хозяйство"));
               control<QCheckBox>(d, "cbText")->setChecked(true);
               control<QCheckBox>(d, "cbYears")->setChecked(true);
               QTest::mouseClick(control<QPushButton>(d, "btCancel"), Qt::LeftButton);
               EXPECT_FALSE(d.isVisible());
             });
  EXPECT_EQ(states(), before);
}

TEST_F(AdvancedSearchGuiTest, FilesByARubricAndTheTextGoesBackToTheSearchBox) {
  w_->pages().showPage(kDeloPage);
  w_->searchStrip()->searchBox()->addItem(QStringLiteral("прежний"));
  withDialog([&] { f7(); },
             [&](AdvancedSearchDialog& d) {
               EXPECT_EQ(d.searchBox()->count(), 1);  // the main box's history came in
               d.searchBox()->setEditText(QStringLiteral("хозяйство"));
               control<QCheckBox>(d, "cbText")->setChecked(true);
               QTest::mouseClick(control<QPushButton>(d, "btSearch"), Qt::LeftButton);
               EXPECT_FALSE(d.isVisible());
             });
  EXPECT_EQ(rows(Level::Files), 2);
  EXPECT_EQ(w_->searchStrip()->searchBox()->currentText(), QStringLiteral("хозяйство"));
  EXPECT_EQ(w_->searchStrip()->searchBox()->count(), 1);
  EXPECT_EQ(w_->focusWidget(), w_->pages().grid(Level::Files));
}

TEST_F(AdvancedSearchGuiTest, AMistypedSpecialFilterIsShownInTheDialog) {
  w_->pages().showPage(kDeloPage);
  dbf::TableCursor& delo = w_->tables().delo;
  const std::string filter = delo.filter();
  const bool filtered = delo.filtered();
  withDialog([&] { f7(); },
             [&](AdvancedSearchDialog& d) {
               control<QCheckBox>(d, "cbCpec")->setChecked(true);
               d.specialBox()->setEditText(QStringLiteral("L4=("));
               QTest::mouseClick(control<QPushButton>(d, "btSearch"), Qt::LeftButton);
               EXPECT_TRUE(d.isVisible());
               EXPECT_FALSE(d.searchError().isEmpty());
               EXPECT_EQ(d.specialBox()->lineEdit()->selectedText(), QStringLiteral("L4=("));
               EXPECT_EQ(QApplication::overrideCursor(), nullptr);
             });
  EXPECT_EQ(delo.filter(), filter);
  EXPECT_EQ(delo.filtered(), filtered);
  EXPECT_EQ(rows(Level::Files), 4);
}

TEST_F(AdvancedSearchGuiTest, ATwoDigitYearGetsItsCenturyWhenLeft) {
  withDialog([&] { f7(); },
             [&](AdvancedSearchDialog& d) {
               auto* from = d.findChild<QSpinBox*>(QStringLiteral("edYearN"));
               ASSERT_NE(from, nullptr);
               from->setValue(85);
               emit from->editingFinished();
               EXPECT_EQ(from->value(), 1985);
               from->setValue(5);
               emit from->editingFinished();
               EXPECT_EQ(from->value(), 2005);
             });
}

}  // namespace
}  // namespace kestrin::app
