// The main window's start-up sequence, its settings and the saving of its
// state when it closes.
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLayout>
#include <QListWidget>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QThread>

#include "app/base_folder.h"
#include "app/column_widths.h"
#include "app/gui/command_bar.h"
#include "app/gui/main_window.h"
#include "app/gui/search_strip.h"
#include "app/gui/status_caption.h"
#include "app/query_history.h"
#include "app/settings_keys.h"
#include "app/startup_checks.h"
#include "app/window_geometry.h"
#include "browse/gui/level_grid.h"
#include "browse/gui/qt_text.h"
#include "browse/level_pages.h"
#include "text/cp1251_literal.h"

namespace kestrin::app {

using browse::fromCp1251;
using namespace text::literals;

namespace {

Rect toRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

void MainWindow::runStartup(const std::optional<std::string>& commandLineFolder) {
  // Size before any setting is known, then lay the pages out once.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const Size initial = initialWindowSize(screen ? screen->size().width() : 1024);
  resize(std::max(initial.width, kMainWindowMinimumSize.width), std::max(initial.height, kMainWindowMinimumSize.height));
  pageControlChange();

  location_ = locateSettingsFile(platform_);
  programFile_ = std::make_unique<IniFile>(location_.programFolderFile);
  settings_ = std::make_unique<IniFile>(location_.settingsFile);
  photoFolder_ = location_.photoFolder;

  baseFolder_ = locateBaseFolder({}, {commandLineFolder, programFile_.get(), settings_.get(), location_.useProgramFolder},
                                 platform_);
  loadSettings();
  if (!openTables()) return;

  showPage(browse::kFondPage);
  if (readSetting(*settings_, keys::saveQuery)) {
    QStringList history;
    for (const auto& entry : loadQueryHistory(*settings_)) history << fromCp1251(entry);
    searchStrip_->setHistory(history);
  }
  execQuery_ = readSetting(*settings_, keys::execQuery);
  restoreColumnWidths();
  loadStoragePlaces();

  if (const auto missing = missingBaseFileCaption(baseFolder_)) {
    caption_->setCaption(fromCp1251(*missing));
    return;
  }
  pageControl_->setTabVisible(browse::kAboutPage, false);
  restorePlacement();
  caption_->setCaption(fromCp1251(programTitle()));
}

bool MainWindow::openTables() {
  menu_.mmNal->setChecked(true);
  try {
    openBaseTables(tables_, baseFolder_, [this](std::string_view text) { showStatus(fromCp1251(text)); });
  } catch (const std::exception& error) {
    reportError(QString::fromStdString(error.what()));
    return false;
  }
  return true;
}

void MainWindow::loadStoragePlaces() {
  try {
    storagePlaces_ = archive::StoragePlaces(archive::loadStorageList(baseFolder_));
  } catch (const std::exception& error) {
    storagePlaces_ = archive::StoragePlaces();
    reportError(QString::fromStdString(error.what()));
  }
}

void MainWindow::loadSettings() {
  frame_ = loadFrameSettings(*settings_, font().pointSize(), frame_.lastRecordMode);
  pnInfo_->setVisible(frame_.infoInMain);
  infoHeightPending_ = true;
  if (isVisible()) applyInfoPanelHeight();

  for (auto* g : grids_) {
    g->setGridFontSize(frame_.gridFontSize);
    g->setColorTypes(frame_.colorTypes);
  }
  QFont photoFont = lbxPhoto_->font();
  photoFont.setPointSize(frame_.gridFontSize);
  lbxPhoto_->setFont(photoFont);
  searchStrip_->setSearchFontSize(frame_.gridFontSize);

  pnTop_->setVisible(!frame_.tabs);
  pageControl_->tabBar()->setVisible(frame_.tabs);
  pageControl_->setDocumentMode(!frame_.tabs);
  commandBar_->setVisible(frame_.menuXp);
  layOutFrame();
}

void MainWindow::applyInfoPanelHeight() {
  // The splitter shares out what it has; it knows that once the window is laid out.
  infoHeightPending_ = false;
  const int pages = splitter_->height() - splitter_->handleWidth() - frame_.infoPanelHeight;
  splitter_->setSizes({std::max(0, pages), frame_.infoPanelHeight});
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!infoHeightPending_) return;
  layout()->activate();
  centralWidget()->layout()->activate();
  pnMain_->layout()->activate();
  applyInfoPanelHeight();
}

void MainWindow::restoreColumnWidths() {
  centralWidget()->layout()->activate();
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  for (int level = 0; level < 4; ++level) {
    browse::LevelGrid* g = grids_[static_cast<std::size_t>(level)];
    g->setColumnWidths(restoredColumnWidths(*settings_, level, g->columnWidths(), g->width(), scrollBar));
  }
}

void MainWindow::restorePlacement() {
  if (!firstPlacement_ || !readSetting(*settings_, keys::saveWindows)) return;
  firstPlacement_ = false;
  const QScreen* screen = QGuiApplication::primaryScreen();
  const Rect workArea = screen ? toRect(screen->availableGeometry()) : Rect{0, 0, width(), height()};
  const Placement placement = restoredPlacement(*settings_, {x(), y(), width(), height()}, workArea);
  if (placement.maximized) {
    setWindowState(windowState() | Qt::WindowMaximized);
    return;
  }
  move(placement.bounds.left, placement.bounds.top);
  resize(placement.bounds.width, placement.bounds.height);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  saveOnClose();
  QMainWindow::closeEvent(event);
}

void MainWindow::saveOnClose() {
  try {
    if (readSetting(*settings_, keys::saveQuery)) {
      std::vector<std::string> history;
      for (const QString& entry : searchStrip_->history()) history.push_back(browse::toCp1251(entry));
      saveQueryHistory(*settings_, history);
    }
    for (int level = 0; level < 4; ++level) {
      saveColumnWidths(*settings_, level, grids_[static_cast<std::size_t>(level)]->columnWidths());
    }
    const bool maximized = isMaximized();
    const QRect bounds = maximized ? normalGeometry() : QRect(x(), y(), width(), height());
    saveWindowPlacement(*settings_, toRect(bounds), maximized, pnInfo_->height());
  } catch (const std::exception&) {
    showStatus(fromCp1251("Настройки не сохранены."_cp1251));
    QApplication::processEvents();
    QThread::sleep(1);
  }
}

}  // namespace kestrin::app
