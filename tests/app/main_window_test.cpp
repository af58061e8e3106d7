// The main window on the offscreen platform against generated bases: the
// start-up sequence, the settings it applies and saves, the page keys and the
// title buttons.
#include "app/gui/main_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "app/fake_platform.h"
#include "app/frame/countdown.h"
#include "app/frame/level_pages.h"
#include "app/gui/command_bar.h"
#include "app/gui/pages_controller.h"
#include "app/gui/search_strip.h"
#include "app/gui/startup_controller.h"
#include "app/window_geometry.h"
#include "browse/gui/level_grid.h"
#include "browse/gui/qt_text.h"
#include "browse/test_level_tables.h"
#include "dbf/writer/cdx_writer.h"
#include "demo/demo_base.h"
#include "support/temp_dir.h"

namespace kestrin::app {
namespace {

namespace fs = std::filesystem;
using archive::Level;
using browse::testing::TestRow;
using kestrin::testing::readFileBytes;
using kestrin::testing::TempDir;
using kestrin::testing::writeFileBytes;

// A program folder with an optional settings file, and base folders to start on.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    fs::create_directories(root_.path() + "/program");
    fs::create_directories(root_.path() + "/config");
    platform_.program = root_.path() + "/program/";
    platform_.appData = root_.path() + "/config";
    platform_.bare = root_.path() + "/";
  }

  void settings(const std::string& text) { writeFileBytes(iniPath(), text); }
  std::string iniPath() const { return platform_.program + "Kestrin.ini"; }

  // The small demo archive: 12 fonds, some of them not held.
  std::string demoBase() {
    const std::string folder = root_.path() + "/demo";
    if (!fs::exists(folder)) {
      fs::create_directories(folder);
      demo::writeDemoLevelTables(folder, {});
    }
    return folder;
  }

  // Level tables of the given rows (empty when not given).
  std::string base(const std::vector<TestRow>& fonds, const std::vector<TestRow>& files = {}) {
    const std::string folder = root_.path() + "/base" + std::to_string(++bases_);
    fs::create_directories(folder);
    browse::testing::writeLevelTable(folder, archive::ArchiveCursor::Fond, fonds);
    browse::testing::writeLevelTable(folder, archive::ArchiveCursor::Opis, {});
    browse::testing::writeLevelTable(folder, archive::ArchiveCursor::Delo, files);
    browse::testing::writeLevelTable(folder, archive::ArchiveCursor::Doc, {});
    return folder;
  }

  static std::vector<TestRow> heldFonds(int count) {
    std::vector<TestRow> rows;
    for (int i = 1; i <= count; ++i) {
      rows.push_back({{{"KOD", std::to_string(i)},
                       {"FKOD", std::to_string(i)},
                       {"FNAME", "Фонд " + std::to_string(i)},
                       {"A100", static_cast<long long>(i % 4 == 0 ? 2 : 1)}}});
    }
    return rows;
  }

  std::unique_ptr<MainWindow> start(std::optional<std::string> folder) {
    auto window = std::make_unique<MainWindow>(platform_);
    StartupController(*window).run(folder);
    return window;
  }

  static QString status(MainWindow& w) { return w.statusPanel(1)->text(); }

  TempDir root_;
  fakes::FakePlatform platform_;
  int bases_ = 0;
};

TEST_F(MainWindowTest, NoBaseAnywhere) {
  auto w = start(std::nullopt);
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Файл \"Fond.dbf\" не найден."));
  EXPECT_EQ(w->baseFolder(), "");
  const int screenWidth = QGuiApplication::primaryScreen()->size().width();
  const Size initial = initialWindowSize(screenWidth);
  EXPECT_EQ(w->width(), std::max(initial.width, kMainWindowMinimumSize.width));
  EXPECT_EQ(w->height(), std::max(initial.height, kMainWindowMinimumSize.height));
  EXPECT_EQ(w->frameSettings().gridFontSize, MainWindow::kWindowFontPoints + 2);
  EXPECT_FALSE(w->pages().pageControl()->tabBar()->isVisibleTo(w.get()));
  EXPECT_TRUE(w->headerPanel()->isVisibleTo(w.get()));
  EXPECT_EQ(status(*w), w->windowTitle());  // kept there when the caption goes back
  for (const archive::Level level : kLevels) EXPECT_EQ(w->pages().grid(level)->model()->rowCount(), 0);
}

TEST_F(MainWindowTest, MissingLevelTableNamedInTheCaption) {
  const std::string folder = base(heldFonds(3));
  fs::remove(folder + "/DELO.DBF");
  auto w = start(folder);
  EXPECT_EQ(w->windowTitle(), QString::fromStdString("Файл \"" + folder + "/Delo.dbf\" не найден."));
  EXPECT_TRUE(w->tables().fond.active());  // the tables that exist are open
  EXPECT_TRUE(w->tables().doc.active());
}

TEST_F(MainWindowTest, DamagedTableIsReportedAndTheOthersOpen) {
  const std::string folder = base(heldFonds(3));
  writeFileBytes(folder + "/OPIS.DBF", "damaged");
  auto w = start(folder);
  const auto boxes = w->findChildren<QMessageBox*>();
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_EQ(boxes.front()->text(), QStringLiteral("Таблица OPIS.DBF повреждена или занята другой программой."));
  EXPECT_FALSE(boxes.front()->informativeText().isEmpty());  // the engine's message below
  EXPECT_TRUE(w->tables().fond.active());
  EXPECT_TRUE(w->tables().delo.active());  // opening went on past the damaged table
  EXPECT_TRUE(w->tables().doc.active());
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Кестрин 5.0"));  // no claim that loading goes on
  w->pages().showPage(kOpisPage);
  EXPECT_EQ(status(*w), boxes.front()->text());  // the empty page says why
  w->close();                                    // every object of the start is there to save from
  EXPECT_TRUE(IniFile(iniPath()).hasKey("Main", "Width"));
}

TEST_F(MainWindowTest, HeldFondsWithTheirCount) {
  auto w = start(base(heldFonds(1400)));
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Кестрин 5.0"));
  EXPECT_EQ(w->pages().activePage(), 0);
  EXPECT_EQ(w->headerPanel()->text(), QStringLiteral("Список фондов"));
  EXPECT_EQ(status(*w), QStringLiteral("Записей: 1 050"));
  auto* model = w->pages().grid(Level::Fonds)->model();
  while (model->canFetchMore({})) model->fetchMore({});
  ASSERT_EQ(model->rowCount(), 1050);
  EXPECT_EQ(model->index(0, 0).data().toString(), QStringLiteral("1"));
  EXPECT_EQ(model->index(3, 0).data().toString(), QStringLiteral("5"));  // fond 4 is not held
  EXPECT_EQ(model->index(3, 1).data().toString(), QStringLiteral("Фонд 5"));
}

TEST_F(MainWindowTest, DemoBaseOpens) {
  auto w = start(demoBase());
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Кестрин 5.0"));
  EXPECT_EQ(w->baseFolder(), demoBase() + "/");
  const auto countText = [](int count) { return browse::fromCp1251(recordCountText(true, count)); };
  const int held = w->tables().fond.recordCount();
  EXPECT_GT(held, 0);
  EXPECT_EQ(status(*w), countText(held));
  w->pages().showPage(2);
  // The rows there are to scroll to: the deleted files are not counted.
  auto* files = w->pages().grid(Level::Files)->model();
  while (files->canFetchMore({})) files->fetchMore({});
  EXPECT_LT(files->rowCount(), w->tables().delo.recordCount());
  EXPECT_EQ(status(*w), countText(files->rowCount()));
}

TEST_F(MainWindowTest, EmptyFondTable) {
  auto w = start(base({}));
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Кестрин 5.0"));
  EXPECT_EQ(status(*w), QStringLiteral("Нет записей"));
  EXPECT_EQ(w->pages().grid(Level::Fonds)->model()->rowCount(), 0);
}

TEST_F(MainWindowTest, SettingsKeysApplied) {
  settings(
      "[Main]\r\nTabs=1\r\nMenuXP=0\r\nFontLarge=0\r\nKolRec=0\r\nColorTypes=0\r\nInfoInMain=0\r\n"
      "LastBeep=1\r\nLastFirst=0\r\nLastNext=0\r\n");
  auto w = start(base(heldFonds(3)));
  EXPECT_TRUE(w->pages().pageControl()->tabBar()->isVisibleTo(w.get()));
  EXPECT_FALSE(w->headerPanel()->isVisibleTo(w.get()));
  EXPECT_FALSE(w->commandBar()->isVisibleTo(w.get()));
  EXPECT_FALSE(w->infoPanel()->isVisibleTo(w.get()));
  EXPECT_EQ(w->frameSettings().gridFontSize, MainWindow::kWindowFontPoints);
  EXPECT_EQ(w->pages().grid(Level::Fonds)->font().pointSize(), MainWindow::kWindowFontPoints);
  EXPECT_FALSE(w->pages().grid(Level::Files)->colorTypes());
  EXPECT_EQ(w->frameSettings().lastRecordMode, LastRecordMode::beep);
  EXPECT_EQ(status(*w), QStringLiteral("Количество записей неизвестно. См. настройки."));
}

TEST_F(MainWindowTest, DefaultsShowTheFrame) {
  auto w = start(base(heldFonds(3)));
  EXPECT_TRUE(w->commandBar()->isVisibleTo(w.get()));
  EXPECT_TRUE(w->infoPanel()->isVisibleTo(w.get()));
  EXPECT_TRUE(w->pages().grid(Level::Fonds)->colorTypes());
  EXPECT_EQ(w->pages().grid(Level::Fonds)->font().pointSize(), MainWindow::kWindowFontPoints + 2);
  EXPECT_EQ(w->frameSettings().lastRecordMode, LastRecordMode::nextParent);
  EXPECT_EQ(w->commandBar()->label("lbFond")->text(), QStringLiteral("Фонд •"));
  EXPECT_TRUE(w->commandBar()->panel("pnxpFond")->isVisibleTo(w.get()));
  EXPECT_FALSE(w->commandBar()->panel("pnxpOpis")->isVisibleTo(w.get()));
}

TEST_F(MainWindowTest, ColumnWidthsRestoredWithinLimitsAndSaved) {
  settings("[FondColumns]\r\n0=200\r\n2=3\r\n4=33\r\n[DeloColumns]\r\n3=64\r\n");
  auto w = start(base(heldFonds(3)));
  // Limited in design pixels, shown scaled to the grid font.
  browse::LevelGrid* fonds = w->pages().grid(Level::Fonds);
  const browse::ColumnScale& scale = fonds->columnScale();
  std::vector<int> widths = fonds->designWidths();
  EXPECT_EQ(widths[0], 70);
  EXPECT_EQ(widths[2], 10);
  EXPECT_EQ(widths[3], 22);  // no key: the design width
  EXPECT_EQ(widths[4], 33);
  EXPECT_EQ(w->pages().grid(Level::Files)->designWidths()[3], 64);
  const std::vector<int> shown = fonds->columnWidths();
  EXPECT_EQ(shown[0], scale.toScreen(70));
  EXPECT_EQ(shown[2], scale.toScreen(10));
  EXPECT_EQ(shown[4], scale.toScreen(33));

  w->pages().grid(Level::Files)->setDesignWidths({50, 301, 40, 61, 52});
  w->close();
  const IniFile saved(iniPath());
  EXPECT_EQ(saved.readInteger("FondColumns", "0", -1), 70);
  EXPECT_EQ(saved.readInteger("FondColumns", "2", -1), 10);
  EXPECT_FALSE(saved.hasKey("FondColumns", "1"));
  EXPECT_EQ(saved.readInteger("DeloColumns", "0", -1), 50);
  EXPECT_EQ(saved.readInteger("DeloColumns", "3", -1), 61);
  EXPECT_EQ(saved.readInteger("DocColumns", "2", -1), 70);
}

TEST_F(MainWindowTest, TitleColumnTakesTheRoomLeft) {
  settings("[Main]\r\nLeft=0\r\nTop=0\r\nWidth=680\r\nHeight=480\r\n");  // room for the scaled columns
  auto w = start(base(heldFonds(3)));
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  browse::LevelGrid* grid = w->pages().grid(Level::Fonds);
  const int title = grid->columnWidths()[1];
  std::vector<int> widths = grid->columnWidths();
  grid->horizontalHeader()->resizeSection(5, widths[5] + 30);  // the user widens "Даты"
  EXPECT_EQ(grid->columnWidths()[1], title - 30);
  w->resize(w->width() + 40, w->height());
  QApplication::processEvents();
  EXPECT_EQ(grid->columnWidths()[1], title - 30 + 40);
}

TEST_F(MainWindowTest, PlacementRestoredWithinTheWorkArea) {
  settings("[Main]\r\nLeft=-30\r\nTop=10\r\nWidth=5000\r\nHeight=450\r\n");
  auto w = start(base(heldFonds(3)));
  const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(w->x(), 0);
  EXPECT_EQ(w->y(), 10);
  EXPECT_EQ(w->width(), workArea.width());
  EXPECT_EQ(w->height(), 450);
}

TEST_F(MainWindowTest, PlacementSavedOffScreenOpensOnScreen) {
  settings("[Main]\r\nLeft=3000\r\nTop=2000\r\nWidth=600\r\nHeight=450\r\n");
  auto w = start(base(heldFonds(3)));
  const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(workArea.contains(QRect(w->x(), w->y(), w->width(), w->height())));
  EXPECT_EQ(w->x() + w->width(), workArea.right() + 1);
  EXPECT_EQ(w->y() + w->height(), workArea.bottom() + 1);
}

TEST_F(MainWindowTest, ResizePastTheScreenEdgeIsPulledBack) {
  auto w = start(base(heldFonds(2)));
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  const QRect workArea = w->screen()->availableGeometry();
  w->setGeometry(workArea.left() + 100, workArea.top() + 100, 520, 420);
  QApplication::processEvents();
  const int left = w->frameGeometry().left();
  w->resize(workArea.width(), 420);  // the right edge runs past the screen's
  QApplication::processEvents();
  EXPECT_EQ(w->frameGeometry().left(), left);
  EXPECT_EQ(w->frameGeometry().right(), workArea.right());
}

TEST_F(MainWindowTest, InfoPanelHeightRestored) {
  settings("[Main]\r\npnInfo=150\r\nHeight=560\r\n");  // room for the pages above it
  auto w = start(base(heldFonds(3)));
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  EXPECT_EQ(w->infoPanel()->height(), 150);
  w->resize(w->width(), w->height() + 50);  // the pages take the change
  QApplication::processEvents();
  EXPECT_EQ(w->infoPanel()->height(), 150);
}

TEST_F(MainWindowTest, InfoPanelTallerThanTheWindowLeavesTheGridHalf) {
  settings("[Main]\r\npnInfo=2000\r\nHeight=500\r\n");
  auto w = start(base(heldFonds(3)));
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  EXPECT_GT(w->infoPanel()->height(), 0);
  EXPECT_GE(w->pages().pageControl()->height(), w->infoPanel()->height());
}

TEST_F(MainWindowTest, NoPlacementWithoutSaveWindows) {
  settings("[Main]\r\nSaveWindows=0\r\nWidth=700\r\n");
  auto w = start(base(heldFonds(3)));
  EXPECT_NE(w->width(), 700);
}

TEST_F(MainWindowTest, ClosingSavesAndTheNextStartRestores) {
  const std::string folder = base(heldFonds(3));
  {
    auto w = start(folder);
    w->searchStrip()->setHistory({QStringLiteral("Заря"), QStringLiteral(" "), QStringLiteral("1925")});
    w->move(33, 44);
    w->resize(600, 480);
    w->close();
  }
  const IniFile saved(iniPath());
  EXPECT_EQ(saved.readInteger("Main", "Width", 0), 600);
  EXPECT_EQ(saved.readInteger("Main", "pnInfo", 0) > 0, true);
  EXPECT_FALSE(saved.readBool("Main", "Maximized", true));
  EXPECT_EQ(saved.readString("Query", "0", ""), "\xC7\xE0\xF0\xFF");  // Заря in Windows-1251

  auto again = start(folder);
  EXPECT_EQ(again->x(), 33);
  EXPECT_EQ(again->y(), 44);
  EXPECT_EQ(again->width(), 600);
  EXPECT_EQ(again->height(), 480);
  EXPECT_EQ(again->searchStrip()->history(), (QStringList{QStringLiteral("Заря"), QStringLiteral("1925")}));
}

TEST_F(MainWindowTest, AltArrowsChangePage) {
  auto w = start(base(heldFonds(3)));
  QWidget* grid = w->pages().grid(Level::Fonds);
  QTest::keyClick(grid, Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(w->pages().activePage(), 3);
  EXPECT_EQ(w->headerPanel()->text(), QStringLiteral("Список документов"));
  QTest::keyClick(w->pages().grid(Level::Documents), Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(w->pages().activePage(), 0);
  QTest::keyClick(grid, Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(w->pages().activePage(), 1);
  EXPECT_EQ(w->commandBar()->label("lbOpis")->text(), QStringLiteral("Опись •"));
  w->pages().showPage(4);
  QTest::keyClick(w->pages().pageControl(), Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(w->pages().activePage(), 0);
}

TEST_F(MainWindowTest, UpAndDownWrapAround) {
  auto w = start(base(heldFonds(5)));  // held: 1, 2, 3, 5
  browse::LevelGrid* grid = w->pages().grid(Level::Fonds);
  dbf::TableCursor& fonds = w->tables().fond;
  std::vector<int> seen;
  for (int i = 0; i < 5; ++i) {
    QTest::keyClick(grid, Qt::Key_Down);
    seen.push_back(fonds.recNo());
    EXPECT_EQ(grid->currentIndex().row(), grid->levelModel()->currentRow());
  }
  EXPECT_EQ(seen, (std::vector<int>{2, 3, 5, 1, 2}));
  QTest::keyClick(grid, Qt::Key_Up);
  QTest::keyClick(grid, Qt::Key_Up);
  EXPECT_EQ(fonds.recNo(), 5);
  EXPECT_EQ(grid->currentIndex().row(), 3);

  // The search box keeps its own arrows.
  w->searchStrip()->searchBox()->setFocus();
  QTest::keyClick(w->searchStrip()->searchBox(), Qt::Key_Down);
  EXPECT_EQ(fonds.recNo(), 5);
}

TEST_F(MainWindowTest, ClickedRowBecomesTheCurrentRecord) {
  auto w = start(base(heldFonds(5)));
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  browse::LevelGrid* grid = w->pages().grid(Level::Fonds);
  const QRect cell = grid->visualRect(grid->model()->index(2, 1));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(w->tables().fond.recNo(), 3);
}

// Fonds in scrambled number order, titles in another order, with fond.cdx.
std::string indexedFonds(const std::string& folder) {
  const int numbers[] = {5, 3, 9, 1, 7};
  const char* const names[] = {"Архив", "Дума", "Банк", "Вокзал", "Гимназия"};
  std::vector<TestRow> rows;
  dbf::CdxTagInput byNumber;
  byNumber.name = byNumber.keyExpression = "FKOD";
  byNumber.keyLength = 8;
  dbf::CdxTagInput byName;
  byName.name = "NAME";
  byName.keyExpression = "FNAME";
  byName.keyLength = 100;
  for (int i = 0; i < 5; ++i) {
    char fkod[16];
    std::snprintf(fkod, sizeof fkod, "%8d", numbers[i]);
    rows.push_back({{{"KOD", std::to_string(i + 1)},
                     {"FKOD", std::string(fkod)},
                     {"FNAME", std::string(names[i])},
                     {"A100", 1LL}}});
    byNumber.keys.push_back({fkod, static_cast<std::uint32_t>(i + 1)});
    byName.keys.push_back({text::utf8ToCp1251(names[i]), static_cast<std::uint32_t>(i + 1)});
  }
  browse::testing::writeLevelTable(folder, archive::ArchiveCursor::Fond, rows);
  dbf::writeCdxFile(folder + "/FOND.CDX", {byNumber, byName});
  return folder;
}

QStringList column(QAbstractItemModel* model, int c) {
  while (model->canFetchMore({})) model->fetchMore({});
  QStringList texts;
  for (int row = 0; row < model->rowCount(); ++row) texts << model->index(row, c).data().toString();
  return texts;
}

TEST_F(MainWindowTest, FondsInNumberOrderAndTitleSorting) {
  auto w = start(indexedFonds(base({})));
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  QAbstractItemModel* model = w->pages().grid(Level::Fonds)->model();
  EXPECT_EQ(w->tables().fond.indexName(), "FKOD");
  EXPECT_EQ(column(model, 0), (QStringList{"1", "3", "5", "7", "9"}));

  QHeaderView* header = w->pages().grid(Level::Fonds)->horizontalHeader();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
  EXPECT_EQ(w->tables().fond.indexName(), "NAME");
  EXPECT_EQ(column(model, 1), (QStringList{"Архив", "Банк", "Вокзал", "Гимназия", "Дума"}));
  EXPECT_EQ(w->pages().grid(Level::Fonds)->markers()[1], browse::SortMarker::ascending);
  EXPECT_EQ(w->pages().grid(Level::Fonds)->markers()[0], browse::SortMarker::none);

  // The inventory grid's titles act on the fond list too; that grid's own list
  // is in record order and carries no marker.
  w->pages().showPage(1);
  EXPECT_EQ(w->pages().grid(Level::Inventories)->markers(), std::vector<browse::SortMarker>(5));
  QHeaderView* opisHeader = w->pages().grid(Level::Inventories)->horizontalHeader();
  QTest::mouseClick(opisHeader->viewport(), Qt::LeftButton, {},
                    QPoint(opisHeader->sectionViewportPosition(0) + 5, opisHeader->height() / 2));
  EXPECT_EQ(w->tables().fond.indexName(), "FKOD");
  EXPECT_EQ(w->pages().grid(Level::Fonds)->markers()[0], browse::SortMarker::ascending);
  EXPECT_EQ(w->pages().grid(Level::Fonds)->markers()[1], browse::SortMarker::none);

  // Back on the fond page the order the markers show is the order kept.
  w->tables().fond.gotoRecNo(3);
  w->pages().showPage(0);
  EXPECT_EQ(w->tables().fond.indexName(), "FKOD");
  EXPECT_EQ(w->tables().fond.recNo(), 3);
  EXPECT_EQ(column(model, 0), (QStringList{"1", "3", "5", "7", "9"}));
}

TEST_F(MainWindowTest, NoMarkerOverAListInRecordOrder) {
  auto w = start(base(heldFonds(5)));  // no fond.cdx: the fonds stay in record order
  for (const Level level : kLevels) {
    const auto markers = w->pages().grid(level)->markers();
    EXPECT_EQ(markers, std::vector<browse::SortMarker>(markers.size())) << static_cast<int>(level);
  }
}

TEST_F(MainWindowTest, TitleButtonsWithoutAnIndexFileChangeNothing) {
  auto w = start(base(heldFonds(5)));
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  const auto before = w->pages().grid(Level::Fonds)->markers();
  QHeaderView* header = w->pages().grid(Level::Fonds)->horizontalHeader();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
  EXPECT_EQ(w->pages().grid(Level::Fonds)->markers(), before);
  EXPECT_EQ(before[0], browse::SortMarker::none);  // record order: no marker
}

TEST_F(MainWindowTest, EscapeAndCtrlQ) {
  settings("[Main]\r\nExitOnEsc=0\r\n");
  auto w = start(base(heldFonds(2)));
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  QTest::keyClick(w->pages().grid(Level::Fonds), Qt::Key_Escape);
  EXPECT_TRUE(w->isVisible());
  QTest::keyClick(w->pages().grid(Level::Fonds), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(w->isVisible());
}

TEST_F(MainWindowTest, ClosingBeforeTheStartUpWritesNothing) {
  MainWindow w(platform_);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  EXPECT_TRUE(w.close());
  EXPECT_TRUE(fs::is_empty(root_.path() + "/program"));
  EXPECT_TRUE(fs::is_empty(root_.path() + "/config"));
}

TEST_F(MainWindowTest, EscapeClosesByDefault) {
  auto w = start(base(heldFonds(2)));
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  QTest::keyClick(w->pages().grid(Level::Fonds), Qt::Key_Escape);
  EXPECT_FALSE(w->isVisible());
}

TEST_F(MainWindowTest, TypingOnTheFondGridStartsASearch) {
  auto w = start(base(heldFonds(2)));
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  w->pages().grid(Level::Fonds)->setFocus();
  QTest::keyClick(w->pages().grid(Level::Fonds), Qt::Key_5);
  EXPECT_EQ(w->searchStrip()->searchBox()->currentText(), QStringLiteral("5"));
  EXPECT_TRUE(w->searchStrip()->searchBox()->hasFocus());
  QTest::keyClick(w->pages().grid(Level::Fonds), Qt::Key_Minus);
  EXPECT_EQ(w->searchStrip()->searchBox()->currentText(), QStringLiteral("5"));
}

TEST_F(MainWindowTest, AboutPageUntilTheNextPageChange) {
  auto w = start(base(heldFonds(2)));
  ASSERT_EQ(status(*w), QStringLiteral("Записей: 2"));
  w->menu().mmAbout->trigger();
  EXPECT_EQ(w->pages().activePage(), 6);
  EXPECT_TRUE(w->pages().pageControl()->isTabVisible(6));
  EXPECT_FALSE(w->infoPanel()->isVisibleTo(w.get()));
  // The page change ran for page 6: no count, no level's commands.
  EXPECT_EQ(w->headerPanel()->text(), QStringLiteral("О программе Кестрин"));
  EXPECT_EQ(status(*w), QStringLiteral("Нет записей"));
  EXPECT_FALSE(w->commandBar()->panel("pnxpFond")->isVisibleTo(w.get()));
  EXPECT_TRUE(w->commandBar()->panel("pnxpMode")->isVisibleTo(w.get()));
  EXPECT_EQ(w->commandBar()->label("lbFond")->text(), QStringLiteral("Фонд"));
  w->pages().showPage(1);
  EXPECT_FALSE(w->pages().pageControl()->isTabVisible(6));
  EXPECT_TRUE(w->infoPanel()->isVisibleTo(w.get()));
}

// A shown, active window whose fond grid has the keyboard.
void activate(MainWindow& w) {
  w.show();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

TEST_F(MainWindowTest, LevelLinkLeavesTheFocusInTheGrid) {
  auto w = start(base(heldFonds(5)));
  activate(*w);
  EXPECT_TRUE(w->pages().grid(Level::Fonds)->hasFocus());
  for (const auto& [link, level] : {std::pair{"lbDelo", Level::Files}, std::pair{"lbFond", Level::Fonds}}) {
    QLabel* label = w->commandBar()->label(link);
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    EXPECT_TRUE(w->pages().grid(level)->hasFocus()) << link;
  }
  // Down moves the grid, not the search box's history.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(w->tables().fond.recNo(), 2);
  w->pages().showPage(kPhotoPage);
  EXPECT_TRUE(w->pages().photoList()->hasFocus());
}

TEST_F(MainWindowTest, AltGivesTheMenuBarTheKeyboardAndEscOnlyTakesItBack) {
  auto w = start(base(heldFonds(2)));
  activate(*w);
  QMenuBar* bar = w->menuBar();
  browse::LevelGrid* grid = w->pages().grid(Level::Fonds);
  // Alt with the modifier on the press, and as some platforms report it
  // (without): the menu bar takes the keyboard, Esc gives it back.
  for (const Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(Qt::AltModifier), Qt::KeyboardModifiers()}) {
    QTest::keyClick(grid, Qt::Key_Alt, modifiers);
    EXPECT_TRUE(bar->hasFocus());
    QTest::keyClick(bar, Qt::Key_Escape);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(grid->hasFocus());
  }
  QTest::keyClick(grid, Qt::Key_Down);
  EXPECT_EQ(w->tables().fond.recNo(), 2);
  QTest::keyClick(grid, Qt::Key_Escape);  // out of the menu, Esc closes again
  EXPECT_FALSE(w->isVisible());
}

TEST_F(MainWindowTest, F10OpensTheFirstMenu) {
  auto w = start(base(heldFonds(2)));
  activate(*w);
  QTest::keyClick(w->pages().grid(Level::Fonds), Qt::Key_F10);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->title(), QStringLiteral("&Файл"));
  QTest::keyClick(menu, Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_TRUE(w->isVisible());
}

TEST_F(MainWindowTest, HintLabelsShowUntilThePageChanges) {
  auto w = start(base(heldFonds(2)));
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  EXPECT_FALSE(w->pages().hintLabel(Level::Fonds)->isVisible());
  w->pages().startHints();
  QTest::qWait(2 * kHintCountdown.tickMilliseconds);
  EXPECT_TRUE(w->pages().hintLabel(Level::Fonds)->isVisible());
  w->pages().showPage(2);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !w->pages().hintLabel(Level::Files)->isVisible(); }, 1000));
}

TEST_F(MainWindowTest, EdgeSnapping) {
  auto w = start(base(heldFonds(2)));
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  const QRect workArea = w->screen()->availableGeometry();
  w->move(workArea.left() + 15, workArea.top() + 100);
  QApplication::processEvents();
  EXPECT_EQ(w->frameGeometry().left(), workArea.left());
  EXPECT_EQ(w->frameGeometry().top(), workArea.top() + 100);
}

}  // namespace
}  // namespace kestrin::app
