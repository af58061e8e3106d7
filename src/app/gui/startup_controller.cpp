#include "app/gui/startup_controller.h"

#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>

#include "app/base_folder.h"
#include "app/column_widths.h"
#include "app/gui/card_controller.h"
#include "app/gui/main_window.h"
#include "app/gui/pages_controller.h"
#include "app/gui/qt_geometry.h"
#include "app/gui/search_strip.h"
#include "app/query_history.h"
#include "app/settings_keys.h"
#include "app/startup_checks.h"
#include "app/window_geometry.h"
#include "browse/gui/level_grid.h"
#include "browse/gui/qt_text.h"

namespace kestrin::app {

using browse::fromCp1251;

StartupController::StartupController(MainWindow& window) : window_(window), session_(window.session()) {}

void StartupController::run(const std::optional<std::string>& commandLineFolder) {
  // Size before any setting is known, then lay the pages out once.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const Size initial = initialWindowSize(screen ? screen->size().width() : 1024);
  window_.resize(std::max(initial.width, kMainWindowMinimumSize.width),
                 std::max(initial.height, kMainWindowMinimumSize.height));
  PagesController& pages = window_.pages();
  pages.pageChanged();

  session_.location = locateSettingsFile(window_.platform());
  session_.programFile = std::make_unique<IniFile>(session_.location.programFolderFile);
  session_.settings = std::make_unique<IniFile>(session_.location.settingsFile);
  session_.photoFolder = session_.location.photoFolder;
  session_.commandLineFolder = commandLineFolder;

  session_.baseFolder = locateBaseFolder(
      {}, {commandLineFolder, session_.programFile.get(), session_.settings.get(), session_.location.useProgramFolder},
      window_.platform());
  window_.loadSettings();
  if (!openTables()) return;

  pages.showPage(kFondPage);
  if (readSetting(*session_.settings, keys::saveQuery)) {
    QStringList history;
    for (const auto& entry : loadQueryHistory(*session_.settings)) history << fromCp1251(entry);
    window_.searchStrip()->setHistory(history);
  }
  session_.execQuery = readSetting(*session_.settings, keys::execQuery);
  restoreColumnWidths();
  loadStoragePlaces();

  if (const auto missing = missingBaseFileCaption(session_.baseFolder)) {
    window_.setCaption(fromCp1251(*missing));
    // The caption goes back to the program's name; the pages and the status
    // bar keep saying it.
    pages.setBaseProblem(fromCp1251(*missing));
    pages.pageChanged();
    reportOpenFailures();
    return;
  }
  pages.pageControl()->setTabVisible(kAboutPage, false);
  restorePlacement();
  window_.setCaption(fromCp1251(programTitle()));
  reportOpenFailures();
}

void StartupController::reopenBase() {
  session_.baseFolder = locateBaseFolder(session_.baseFolder,
                                         {session_.commandLineFolder, session_.programFile.get(),
                                          session_.settings.get(), session_.location.useProgramFolder},
                                         window_.platform());
  if (!openTables()) return;
  window_.pages().showPage(kFondPage);
  loadStoragePlaces();
  if (const auto missing = missingBaseFileCaption(session_.baseFolder)) {
    window_.setCaption(fromCp1251(*missing));
  } else {
    window_.pages().pageControl()->setTabVisible(kAboutPage, false);
    window_.setCaption(fromCp1251(programTitle()));
  }
  reportOpenFailures();
}

bool StartupController::openTables() {
  window_.menu().mmNal->setChecked(true);
  window_.pages().setBaseProblem(QString());
  try {
    openBaseTables(session_.tables, session_.baseFolder,
                   [this](std::string_view text) { window_.showStatus(fromCp1251(text)); });
  } catch (const std::exception& error) {
    // Loading stopped: the caption says no more that it goes on.
    window_.setCaption(fromCp1251(programCaption()));
    const QString message = QString::fromStdString(error.what());
    window_.pages().setBaseProblem(message);
    window_.pages().pageChanged();
    window_.reportError(message);
    return false;
  }
  window_.cards().baseOpened();
  return true;
}

void StartupController::reportOpenFailures() {
  // One box for all: each file with what the person can do, the engine's
  // messages below.
  QStringList texts;
  QStringList details;
  for (const OpenFailure& failure : session_.tables.openFailures) {
    texts << fromCp1251(openFailureText(failure));
    details << QString::fromStdString(failure.message);
  }
  if (!texts.isEmpty()) window_.reportFailure(texts.join(QLatin1Char('\n')), details.join(QLatin1Char('\n')));
}

void StartupController::loadStoragePlaces() {
  try {
    session_.storagePlaces = archive::StoragePlaces(archive::loadStorageList(session_.baseFolder));
  } catch (const std::exception& error) {
    session_.storagePlaces = archive::StoragePlaces();
    window_.reportError(QString::fromStdString(error.what()));
  }
}

void StartupController::restoreColumnWidths() {
  window_.centralWidget()->layout()->activate();
  const int scrollBar = window_.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  for (const archive::Level level : kLevels) {
    browse::LevelGrid* grid = window_.pages().grid(level);
    // The settings keep design pixels: the limits 10..70 apply to those, and
    // the grid shows them scaled to its font.
    const browse::ColumnScale& scale = grid->columnScale();
    grid->setDesignWidths(restoredColumnWidths(*session_.settings, static_cast<int>(level), grid->designWidths(),
                                               scale.toDesign(grid->width()), scale.toDesign(scrollBar)));
  }
}

void StartupController::restorePlacement() {
  if (session_.placementRestored || !readSetting(*session_.settings, keys::saveWindows)) return;
  session_.placementRestored = true;
  const Placement placement = restoredPlacement(
      *session_.settings, {window_.x(), window_.y(), window_.width(), window_.height()}, screenWorkAreas());
  if (placement.maximized) {
    window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
    return;
  }
  window_.move(placement.bounds.left, placement.bounds.top);
  window_.resize(placement.bounds.width, placement.bounds.height);
}

}  // namespace kestrin::app
