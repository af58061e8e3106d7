// The quick search from the window on the offscreen platform: typing, Enter,
// Shift+Enter, a history pick, the card after the search, Esc during a long
// scan, "Искать в этом фонде", the photo page's hook and the search log, on
// the crafted base of search/quick/search_base.h.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/fake_platform.h"
#include "app/frame/level_pages.h"
#include "app/gui/main_window.h"
#include "app/gui/navigation_controller.h"
#include "app/gui/pages_controller.h"
#include "app/gui/search_controller.h"
#include "app/gui/search_strip.h"
#include "app/gui/startup_controller.h"
#include "browse/gui/level_grid.h"
#include "search/quick/level_conditions.h"
#include "search/quick/search_base.h"
#include "support/temp_dir.h"

namespace kestrin::app {
namespace {

namespace fs = std::filesystem;
using archive::Level;

class SearchGuiTest : public ::testing::Test {
 protected:
  void open(int extraFiles = 0) {
    fs::create_directories(root_.path() + "/program");
    fs::create_directories(root_.path() + "/base");
    platform_.program = root_.path() + "/program/";
    platform_.appData = root_.path() + "/config";
    platform_.bare = root_.path() + "/";
    platform_.searchLog = root_.path() + "/state/Kestrin/Kestrin.log";
    search::testing::writeSearchBase(root_.path() + "/base", extraFiles);
    w_ = std::make_unique<MainWindow>(platform_);
    StartupController(*w_).run(root_.path() + "/base");
    w_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w_.get()));
  }
  void SetUp() override { open(); }

  SearchStrip& strip() { return *w_->searchStrip(); }
  QLineEdit* edit() { return strip().searchBox()->lineEdit(); }
  // Types `text` key by key (QTest's own typing knows Latin letters only).
  void typeOn(const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, edit(), Qt::Key_A, QString(c), Qt::NoModifier);
  }
  void type(const QString& text) {
    edit()->clear();
    typeOn(text);
  }
  dbf::TableCursor& delo() { return w_->tables().delo; }
  QString panel() { return w_->statusPanel(1)->text(); }

  kestrin::testing::TempDir root_{"search-gui"};
  fakes::FakePlatform platform_;
  std::unique_ptr<MainWindow> w_;
};

struct TypingCase {
  const char* typed;
  const char* checked;
  const char* allWords;
};

TEST_F(SearchGuiTest, TypingReselectsTheModes) {
  const TypingCase cases[] = {{"12", "Номер", "Все слова"},
                              {"12 приказ", "Оба слова", "Оба слова"},
                              {"старый новый город", "Все слова", "Все слова"},
                              {"приказ", "Как есть", "Все слова"}};
  for (const TypingCase& c : cases) {
    SCOPED_TRACE(c.typed);
    type(QString::fromUtf8(c.typed));
    QRadioButton* checked = nullptr;
    for (QRadioButton* b : {strip().allWordsMode(), strip().anyWordMode(), strip().asIsMode(), strip().numberMode()}) {
      if (b->isChecked()) checked = b;
    }
    ASSERT_NE(checked, nullptr);
    EXPECT_EQ(checked->text(), QString::fromUtf8(c.checked));
    EXPECT_EQ(strip().allWordsMode()->text(), QString::fromUtf8(c.allWords));
  }
}

// Keys go to the box, as a window delivers them, not to its line edit.
TEST_F(SearchGuiTest, EnterSearchesTheFilesAndShowsTheCardWithTheWordHighlighted) {
  w_->pages().showPage(kDeloPage);
  type(QStringLiteral("приёме"));
  QTest::keyClick(strip().searchBox(), Qt::Key_Return);
  EXPECT_EQ(delo().filter(),
            search::textCondition(Level::Files, search::SearchMode::Phrase, false, kestrin::testing::cp("приёме")));
  EXPECT_EQ(panel(), QStringLiteral("Записей: 1"));
  EXPECT_TRUE(w_->pages().grid(Level::Files)->hasFocus());
  EXPECT_EQ(
      w_->pages().hintLabel(Level::Files)->text(),
      QStringLiteral("По вашему запросу найден только один результат.\nУбедитесь, что слово написано без опечаток."));
  QTextDocument* card = w_->infoText()->document();
  QTextCursor found = card->find(QStringLiteral("приёме"));
  ASSERT_FALSE(found.isNull()) << card->toPlainText().toStdString();
  // The format of the word's characters: the cursor reads the one before its position.
  found.setPosition(found.selectionStart() + 1);
  EXPECT_EQ(found.charFormat().foreground().color(), QColor(0, 0, 255));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(strip().searchBox()->itemText(0), QStringLiteral("приёме"));
}

TEST_F(SearchGuiTest, ShiftEnterSearchesFast) {
  w_->pages().showPage(kDeloPage);
  type(QStringLiteral("приёме"));
  QTest::keyClick(strip().searchBox(), Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(delo().filter(), kestrin::testing::cp(R"((L4="*приёме*"))"));
  EXPECT_EQ(panel(), QStringLiteral("Ничего не найдено"));
  QTest::keyClick(edit(), Qt::Key_End);  // Shift is let go
  w_->menu().mmSearch->trigger();
  EXPECT_EQ(panel(), QStringLiteral("Записей: 1"));
  w_->menu().mmSearchFast->trigger();
  EXPECT_EQ(panel(), QStringLiteral("Ничего не найдено"));
}

TEST_F(SearchGuiTest, HistoryPickRunsAfterFourTicksWhenExecQueryIsOn) {
  w_->pages().showPage(kDeloPage);
  strip().setHistory({QStringLiteral("школы"), QStringLiteral("заводу")});
  for (const bool execQuery : {false, true}) {
    SCOPED_TRACE(execQuery);
    w_->session().execQuery = execQuery;
    delo().setFiltered(false);
    QComboBox* box = strip().searchBox();
    box->setCurrentIndex(1);
    emit box->activated(1);
    EXPECT_FALSE(delo().filtered());
    QTest::qWait(200);
    EXPECT_FALSE(delo().filtered());  // not before the fourth tick
    QTest::qWait(500);
    EXPECT_EQ(delo().filtered(), execQuery);
    if (execQuery) {
      EXPECT_EQ(delo().recordCount(), 1);
    }
  }
}

TEST_F(SearchGuiTest, EscStopsALongScanAndTheListStays) {
  open(40000);
  w_->pages().showPage(kDeloPage);
  type(QStringLiteral("работ"));
  QTest::keyClick(strip().searchBox(), Qt::Key_Return);
  ASSERT_EQ(delo().recordCount(), 1);
  const std::string before = delo().filter();
  type(QStringLiteral("Отчёт"));
  QTimer esc;
  bool sent = false;
  QObject::connect(&esc, &QTimer::timeout, [&] {
    if (!w_->quickSearch().scanning() || sent) return;
    sent = true;
    QTest::keyClick(w_.get(), Qt::Key_Escape);
  });
  esc.start(0);
  QTest::keyClick(strip().searchBox(), Qt::Key_Return);
  EXPECT_TRUE(sent);
  EXPECT_EQ(delo().filter(), before);
  EXPECT_EQ(delo().recordCount(), 1);
  EXPECT_EQ(panel(), QStringLiteral("Поиск остановлен."));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(w_->quickSearch().scanning());
}

TEST_F(SearchGuiTest, SearchInThisFondPrefillsTheBoxForItsFiles) {
  w_->tables().fond.gotoRecNo(4);  // fond р-12а, stored as "р-   12а"
  const GridMenus& menus = w_->navigation().menus();
  ASSERT_TRUE(menus.pmmFondSearch->isEnabled());
  menus.pmmFondSearch->trigger();
  EXPECT_EQ(strip().searchBox()->currentText(), QStringLiteral("Ф.р-12а "));
  edit()->end(false);
  typeOn(QStringLiteral("приказ"));
  strip().asIsMode()->setChecked(true);
  w_->pages().showPage(kDeloPage);
  w_->menu().mmSearch->trigger();
  EXPECT_EQ(delo().recordCount(), 1);
  EXPECT_EQ(delo().recNo(), 3);
}

TEST_F(SearchGuiTest, PhotoPageCallsItsHookOrFindsNothing) {
  w_->pages().showPage(kPhotoPage);
  type(QStringLiteral("старый город"));
  w_->menu().mmSearch->trigger();
  EXPECT_EQ(panel(), QStringLiteral("Ничего не найдено"));
  std::string query;
  int mode = -1;
  w_->quickSearch().setPhotoSearch([&](const std::string& q, int m, bool) {
    query = q;
    mode = m;
    return 5;
  });
  w_->menu().mmSearch->trigger();
  EXPECT_EQ(query, kestrin::testing::cp("старый город "));
  EXPECT_EQ(mode, 2);
  EXPECT_EQ(panel(), QStringLiteral("Записей: 5"));
}

TEST_F(SearchGuiTest, EverySearchIsLogged) {
  w_->pages().showPage(kOpisPage);
  type(QStringLiteral("(опись), 101"));
  w_->menu().mmSearch->trigger();
  std::ifstream in(platform_.searchLog, std::ios::binary);
  std::stringstream log;
  log << in.rdbuf();
  const std::string text = log.str();
  EXPECT_EQ(text.rfind(kestrin::testing::cp("Дата/Время\tРаздел\tЛогика\tЗапрос\r\n"), 0), 0u);
  EXPECT_NE(text.find(kestrin::testing::cp("\t2\tA\t(опись), 101\r\n")), std::string::npos) << text;
}

TEST_F(SearchGuiTest, BlankQueryOnlyPrompts) {
  type(QStringLiteral("   "));
  w_->menu().mmSearch->trigger();
  EXPECT_EQ(w_->windowTitle(), QStringLiteral("Выберите раздел и введите текст для поиска или номер"));
}

}  // namespace
}  // namespace kestrin::app
