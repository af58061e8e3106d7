// The record card in the main window on the offscreen platform: where the
// card appears by the settings, the card window's steps by the last-record
// mode, its placement, the popup menu's commands and the clipboard, the
// grids' clicks and keys, and the card without a base.
#include "app/gui/card_controller.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <filesystem>

#include "app/fake_platform.h"
#include "app/gui/card_window.h"
#include "app/gui/command_bar.h"
#include "app/gui/main_window.h"
#include "app/gui/pages_controller.h"
#include "app/gui/search_strip.h"
#include "app/gui/startup_controller.h"
#include "browse/gui/level_grid.h"
#include "browse/gui/qt_text.h"
#include "browse/test_level_tables.h"
#include "support/case_names.h"
#include "support/cp1251_test_text.h"
#include "support/temp_dir.h"

namespace kestrin::app {
namespace {

namespace fs = std::filesystem;
using archive::Level;
using browse::testing::TestRow;
using kestrin::testing::cp;
using kestrin::testing::TempDir;
using kestrin::testing::writeFileBytes;

// Fonds numbered 71, 72, ... so that a card names its record unmistakably.
class CardControllerTest : public ::testing::Test {
 protected:
  CardControllerTest() {
    fs::create_directories(root_.path() + "/program");
    platform_.program = root_.path() + "/program/";
    platform_.appData = root_.path() + "/config";
    platform_.bare = root_.path() + "/";
  }

  void settings(const std::string& text) { writeFileBytes(iniPath(), text); }
  std::string iniPath() const { return platform_.program + "Kestrin.ini"; }

  std::string base(int fonds) {
    const std::string folder = root_.path() + "/base";
    fs::create_directories(folder);
    std::vector<TestRow> rows;
    for (int i = 1; i <= fonds; ++i) {
      rows.push_back({{{"KOD", std::to_string(i)},
                       {"FKOD", std::to_string(70 + i)},
                       {"FNAME", "Фонд " + std::to_string(i)},
                       {"A100", 1LL}}});
    }
    browse::testing::writeLevelTable(folder, archive::ArchiveCursor::Fond, rows);
    browse::testing::writeLevelTable(folder, archive::ArchiveCursor::Opis, {});
    browse::testing::writeLevelTable(folder, archive::ArchiveCursor::Delo, {});
    browse::testing::writeLevelTable(folder, archive::ArchiveCursor::Doc, {});
    return folder;
  }

  std::unique_ptr<MainWindow> start(std::optional<std::string> folder) {
    auto window = std::make_unique<MainWindow>(platform_);
    StartupController(*window).run(folder);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return window;
  }

  static void clickFond(MainWindow& w, int row) {
    browse::LevelGrid* grid = w.pages().grid(Level::Fonds);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, 1)).center());
  }

  static QString card(MainWindow& w) { return w.infoText()->toPlainText(); }
  static CardWindow& cardWindow(MainWindow& w) { return *w.cards().cardWindow(); }

  TempDir root_;
  fakes::FakePlatform platform_;
};

TEST_F(CardControllerTest, ClickShowsTheCardInThePanel) {
  auto w = start(base(4));
  clickFond(*w, 2);
  EXPECT_EQ(w->tables().fond.recNo(), 3);
  EXPECT_TRUE(card(*w).contains(QStringLiteral("73")));
  EXPECT_EQ(w->infoText()->window(), w.get());
  EXPECT_FALSE(cardWindow(*w).isVisible());
}

TEST_F(CardControllerTest, ClickShowsTheCardWindowWhenTheCardLivesThere) {
  settings("[Main]\r\nInfoInMain=0\r\n");
  auto w = start(base(4));
  EXPECT_FALSE(w->infoPanel()->isVisibleTo(w.get()));
  clickFond(*w, 1);
  EXPECT_TRUE(cardWindow(*w).isVisible());
  EXPECT_EQ(w->infoText()->window(), &cardWindow(*w));
  EXPECT_TRUE(card(*w).contains(QStringLiteral("72")));
  EXPECT_EQ(cardWindow(*w).windowTitle(), QStringLiteral("Информация"));
  EXPECT_GE(cardWindow(*w).width(), 394);
  EXPECT_GE(cardWindow(*w).height(), 296);
}

TEST_F(CardControllerTest, WithoutInfoOnClickOnlyPropertiesShowTheWindow) {
  settings("[Main]\r\nInfoInMain=0\r\nInfoOnClick=0\r\n");
  auto w = start(base(4));
  clickFond(*w, 1);
  EXPECT_FALSE(cardWindow(*w).isVisible());
  EXPECT_TRUE(card(*w).contains(QStringLiteral("72")));  // built all the same
  w->showRecordCard(Level::Fonds, true);
  EXPECT_TRUE(cardWindow(*w).isVisible());
}

TEST_F(CardControllerTest, SettingsMoveTheTextBetweenPanelAndWindow) {
  settings("[Main]\r\nInfoInMain=0\r\n");
  auto w = start(base(4));
  clickFond(*w, 0);
  ASSERT_TRUE(cardWindow(*w).isVisible());
  settings("[Main]\r\nInfoInMain=1\r\n");
  w->loadSettings();
  EXPECT_FALSE(cardWindow(*w).isVisible());
  EXPECT_EQ(w->infoText()->parentWidget(), w->infoPanel());
  EXPECT_TRUE(card(*w).contains(QStringLiteral("71")));  // the card went with it
  settings("[Main]\r\nInfoInMain=0\r\n");
  w->loadSettings();
  EXPECT_EQ(w->infoText()->window(), &cardWindow(*w));
}

TEST_F(CardControllerTest, NoBaseMessageOnAClick) {
  auto w = start(std::nullopt);
  browse::LevelGrid* grid = w->pages().grid(Level::Fonds);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(card(*w), QStringLiteral("Путь к базам Архивного Фонда не указан.\n"
                                     "Выберите путь в настройках или укажите в командной строке (см. справку)."));
}

TEST_F(CardControllerTest, UpAndDownRebuildTheCard) {
  auto w = start(base(3));
  browse::LevelGrid* grid = w->pages().grid(Level::Fonds);
  QTest::keyClick(grid, Qt::Key_Down);
  EXPECT_TRUE(card(*w).contains(QStringLiteral("72")));
  QTest::keyClick(grid, Qt::Key_Up);
  QTest::keyClick(grid, Qt::Key_Up);
  EXPECT_TRUE(card(*w).contains(QStringLiteral("73")));  // wrapped to the last
}

struct ModeCase {
  const char* label;
  const char* keys;
  bool wraps;
};

class CardWindowStepTest : public CardControllerTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(CardWindowStepTest, EndsOfTheList) {
  settings(std::string("[Main]\r\nInfoInMain=0\r\n") + GetParam().keys);
  auto w = start(base(3));
  clickFond(*w, 2);
  QPushButton* next = cardWindow(*w).nextButton();
  QPushButton* previous = cardWindow(*w).previousButton();
  next->click();
  EXPECT_EQ(w->tables().fond.recNo(), GetParam().wraps ? 1 : 3);
  EXPECT_TRUE(card(*w).contains(GetParam().wraps ? QStringLiteral("71") : QStringLiteral("73")));
  EXPECT_EQ(w->pages().grid(Level::Fonds)->currentIndex().row(), GetParam().wraps ? 0 : 2);

  w->tables().fond.first();
  previous->click();
  EXPECT_EQ(w->tables().fond.recNo(), GetParam().wraps ? 3 : 1);
  previous->click();
  EXPECT_EQ(w->tables().fond.recNo(), GetParam().wraps ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(Modes, CardWindowStepTest,
                         ::testing::Values(ModeCase{"beep", "LastBeep=1\r\nLastFirst=0\r\nLastNext=0\r\n", false},
                                           ModeCase{"first", "LastBeep=0\r\nLastFirst=1\r\nLastNext=0\r\n", true},
                                           ModeCase{"next parent", "", true}),
                         kestrin::testing::labelled([](const ModeCase& c) { return std::string(c.label); }));

TEST_F(CardControllerTest, CardWindowKeysAndHints) {
  settings("[Main]\r\nInfoInMain=0\r\n");
  auto w = start(base(3));
  clickFond(*w, 0);
  CardWindow& window = cardWindow(*w);
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_Space);
  EXPECT_EQ(w->tables().fond.recNo(), 2);
  QTest::keyClick(window.previousButton(), Qt::Key_Down, Qt::AltModifier);
  EXPECT_EQ(w->tables().fond.recNo(), 3);
  QTest::keyClick(w->infoText(), Qt::Key_Backspace);
  EXPECT_EQ(w->tables().fond.recNo(), 2);
  QTest::keyClick(&window, Qt::Key_Up, Qt::AltModifier);
  EXPECT_EQ(w->tables().fond.recNo(), 1);

  EXPECT_TRUE(window.nextButton()->isDefault());
  EXPECT_TRUE(window.helpButton()->isEnabled());  // it opens the help at the card's page
  w->pages().showPage(1);
  EXPECT_EQ(window.previousButton()->toolTip(), QStringLiteral("Предыдущая опись"));
  EXPECT_EQ(window.nextButton()->toolTip(), QStringLiteral("Следующая опись"));
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
}

TEST_F(CardControllerTest, PlacementRestoredOnScreenAndSavedOnClose) {
  settings("[Main]\r\nInfoInMain=0\r\n[Info]\r\nLeft=150\r\nTop=120\r\nWidth=500\r\nHeight=380\r\n");
  auto w = start(base(3));
  clickFond(*w, 0);
  CardWindow& window = cardWindow(*w);
  EXPECT_EQ(window.geometry().size(), QSize(500, 380));
  EXPECT_EQ(window.pos(), QPoint(150, 120));
  window.move(210, 160);
  window.resize(450, 330);
  window.closeButton()->click();
  const IniFile saved(iniPath());
  EXPECT_EQ(saved.readInteger("Info", "Left", 0), 210);
  EXPECT_EQ(saved.readInteger("Info", "Top", 0), 160);
  EXPECT_EQ(saved.readInteger("Info", "Width", 0), 450);
  EXPECT_EQ(saved.readInteger("Info", "Height", 0), 330);

  // Shown again where it was closed; closed with the main window.
  clickFond(*w, 1);
  EXPECT_EQ(window.pos(), QPoint(210, 160));
  window.move(230, 170);
  w->close();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(IniFile(iniPath()).readInteger("Info", "Left", 0), 230);
}

TEST_F(CardControllerTest, CardWindowSnapsToTheScreenEdges) {
  settings("[Main]\r\nInfoInMain=0\r\n");
  auto w = start(base(3));
  clickFond(*w, 0);
  CardWindow& window = cardWindow(*w);
  const QRect workArea = window.screen()->availableGeometry();
  window.move(workArea.left() + 15, workArea.top() + 100);
  QApplication::processEvents();
  EXPECT_EQ(window.frameGeometry().left(), workArea.left());
  EXPECT_EQ(window.frameGeometry().top(), workArea.top() + 100);
  window.move(workArea.left() + 100, workArea.bottom() - window.frameGeometry().height() - 10);
  QApplication::processEvents();
  EXPECT_EQ(window.frameGeometry().bottom(), workArea.bottom());
}

TEST_F(CardControllerTest, NoPlacementSavedWithoutSaveWindows) {
  settings("[Main]\r\nInfoInMain=0\r\nSaveWindows=0\r\n");
  auto w = start(base(3));
  clickFond(*w, 0);
  cardWindow(*w).closeButton()->click();
  EXPECT_FALSE(IniFile(iniPath()).hasKey("Info", "Left"));
}

TEST_F(CardControllerTest, StaysOnTopByInfoOnTop) {
  auto w = start(base(3));
  EXPECT_FALSE(cardWindow(*w).staysOnTop());  // an absent key reads false when the window is made
  settings("[Main]\r\nInfoOnTop=1\r\n");
  auto onTop = start(base(3));
  EXPECT_TRUE(cardWindow(*onTop).staysOnTop());
  settings("[Main]\r\nInfoOnTop=0\r\n");
  onTop->loadSettings();
  EXPECT_FALSE(cardWindow(*onTop).staysOnTop());
}

TEST_F(CardControllerTest, CopyCommandsFillTheClipboard) {
  auto w = start(base(3));
  browse::Card shown;
  shown.lines.push_back({cp("Ф.71."), true, browse::CardSize::BasePlus2, browse::CardColor::Text, {}});
  shown.lines.push_back({cp("Москва"), false, browse::CardSize::Base, browse::CardColor::Grey, {}});
  w->cards().showCardText(shown);
  QClipboard* clipboard = QApplication::clipboard();

  w->cards().copyAsText();  // nothing selected: the whole card
  EXPECT_EQ(clipboard->text(), QStringLiteral("Ф.71.\nМосква"));
  clipboard->setText(QStringLiteral("before"));
  w->cards().copyAsRichText();  // nothing selected: nothing
  EXPECT_EQ(clipboard->text(), QStringLiteral("before"));

  w->cards().selectAll();
  w->cards().copyAsRichText();
  const QMimeData* data = clipboard->mimeData();
  EXPECT_EQ(data->text(), QStringLiteral("Ф.71.\nМосква"));
  EXPECT_TRUE(data->hasHtml());
  const QByteArray rtf = data->data(QStringLiteral("text/rtf"));
  EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1251")) << rtf.toStdString();
  EXPECT_TRUE(rtf.contains("\\red128\\green128\\blue128;"));

  // Ctrl+C in the card copies plain text only.
  QTextCursor part(w->infoText()->document());
  part.setPosition(6);
  part.setPosition(9, QTextCursor::KeepAnchor);
  w->infoText()->setTextCursor(part);
  w->infoText()->setFocus();
  QTest::keyClick(w->infoText(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard->text(), QStringLiteral("Мос"));
  EXPECT_FALSE(clipboard->mimeData()->hasFormat(QStringLiteral("text/rtf")));

  QMenu* menu = w->cards().copyMenu();
  ASSERT_EQ(menu->actions().size(), 4);
  EXPECT_EQ(menu->defaultAction()->text(), QStringLiteral("Найти!"));
  EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("&Копировать как текст"));
  EXPECT_EQ(menu->actions()[1]->shortcut(), QKeySequence(Qt::ControlModifier | Qt::Key_C));
  EXPECT_EQ(menu->actions()[2]->text(), QStringLiteral("Копировать"));
  EXPECT_EQ(menu->actions()[3]->text(), QStringLiteral("В&ыделить все"));
}

TEST_F(CardControllerTest, FindPutsTheWordAtTheCaretIntoTheSearchBox) {
  auto w = start(base(3));
  w->cards().showCardText(browse::singleLineCard(cp("Город Москва, 1925")));
  QTextEdit* text = w->infoText();
  QTextCursor caret(text->document());
  caret.setPosition(8);
  text->setTextCursor(caret);
  w->cards().findWord();
  EXPECT_EQ(w->searchStrip()->searchBox()->currentText(), QStringLiteral("Москва"));
  EXPECT_TRUE(w->searchStrip()->searchBox()->hasFocus());

  caret.setPosition(15);  // on a digit
  text->setTextCursor(caret);
  w->cards().findWord();
  EXPECT_EQ(w->searchStrip()->searchBox()->currentText(), QString());

  caret.setPosition(0);
  caret.setPosition(5, QTextCursor::KeepAnchor);
  text->setTextCursor(caret);
  w->cards().findWord();
  EXPECT_EQ(w->searchStrip()->searchBox()->currentText(), QStringLiteral("Город"));
}

TEST_F(CardControllerTest, CardSetsCaptionStatusAndLabels) {
  auto w = start(base(3));
  browse::Card built = browse::singleLineCard("1");
  built.caption = cp("Ф.71. Оп.2");
  built.status = {cp("Ф.71. Оп.2"), cp("Фонд 1")};
  built.statusHint = cp("Полное\rназвание");
  built.labels.push_back({browse::CardLabel::DeloOpisNum, cp("Оп.2"), cp("Показать информацию об описи 2\rОпись")});
  w->cards().presentCard(built);
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Ф.71. Оп.2"));
  EXPECT_EQ(w->statusPanel(0)->text(), QStringLiteral("Ф.71. Оп.2"));
  EXPECT_EQ(w->statusPanel(1)->text(), QStringLiteral("Фонд 1"));
  EXPECT_EQ(w->statusBar()->toolTip(), QStringLiteral("Полное\nназвание"));
  EXPECT_EQ(w->commandBar()->label("lbDeloOpisNum")->text(), QStringLiteral("Оп.2"));
  EXPECT_EQ(w->commandBar()->label("lbDeloOpisNum")->toolTip(),
            QStringLiteral("Показать информацию об описи 2\nОпись"));
  EXPECT_EQ(w->commandBar()->label("lbDeloFondNum")->text(), QStringLiteral("Ф.1"));  // not named: unchanged
}

TEST_F(CardControllerTest, ClickOfADoubleClickDoesNotRebuildTheCardALaterClickDoes) {
  auto w = start(base(3));
  browse::LevelGrid* grid = w->pages().grid(Level::Fonds);
  // The drill-down of the fond list notes itself; here it puts its own text in the card.
  QObject::connect(grid, &QAbstractItemView::doubleClicked, w.get(), [&] {
    w->noteFondDrillDown();
    w->showCardText(browse::singleLineCard("drilled"));
  });
  const QModelIndex row = grid->model()->index(1, 1);
  const QPoint at = grid->visualRect(row).center();
  QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
  EXPECT_TRUE(card(*w).contains(QStringLiteral("72")));
  QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
  QMouseEvent second(QEvent::MouseButtonDblClick, at, grid->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                     {});
  QApplication::sendEvent(grid->viewport(), &second);
  QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(card(*w), QStringLiteral("drilled"));
  // A toolkit that reports the double click's release as a click as well.
  emit grid->clicked(row);
  EXPECT_EQ(card(*w), QStringLiteral("drilled"));
  // A genuine click later.
  QTest::qWait(QApplication::doubleClickInterval() + 50);
  clickFond(*w, 1);
  EXPECT_TRUE(card(*w).contains(QStringLiteral("72")));
}

}  // namespace
}  // namespace kestrin::app
