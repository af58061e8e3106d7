#include "app/gui/navigation_controller.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

#include "app/frame/level_pages.h"
#include "app/gui/command_bar.h"
#include "app/gui/main_window.h"
#include "app/gui/pages_controller.h"
#include "app/gui/search_strip.h"
#include "browse/card/card_builder.h"
#include "browse/gui/level_grid.h"
#include "browse/gui/qt_text.h"
#include "browse/navigation/cross_navigation.h"
#include "browse/navigation/drill_down.h"
#include "browse/navigation/fond_numbers.h"
#include "browse/navigation/parent_key.h"
#include "browse/navigation/show_all.h"
#include "dbf/cdx/cdx_corrupted.h"

namespace kestrin::app {

using archive::Level;
using browse::fromCp1251;
using browse::Move;

namespace {

// The busy cursor for the life of an operation, however it ends.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

NavigationController::NavigationController(MainWindow& window)
    : QObject(&window),
      window_(window),
      cursors_{window.tables().fond, window.tables().opis, window.tables().delo, window.tables().doc,
               &window.tables().damagedIndexes} {
  PagesController& pages = window_.pages();
  menus_ = buildGridMenus(pages.grid(Level::Fonds), pages.grid(Level::Inventories), pages.grid(Level::Files));
  const auto onTrigger = [this](QAction* action, auto&& work) { connect(action, &QAction::triggered, this, work); };
  onTrigger(menus_.pmmFondOpis, [this] { move(Move::inventoriesOfFond); });
  onTrigger(menus_.pmmFondNums, [this] { fondNumbers(); });
  onTrigger(menus_.pmmFond, [this] { properties(Level::Fonds); });
  onTrigger(menus_.pmmOpisDelo, [this] { move(Move::filesOfInventory); });
  onTrigger(menus_.pmmOpisFond, [this] { move(Move::fondsOfInventories); });
  onTrigger(menus_.pmmOpis, [this] { properties(Level::Inventories); });
  onTrigger(menus_.pmmDeloDoc, [this] { move(Move::documentsOfFile); });
  onTrigger(menus_.pmmDeloOpis, [this] { move(Move::inventoriesOfFiles); });
  onTrigger(menus_.pmmDeloFond, [this] { move(Move::fondsOfFiles); });
  onTrigger(menus_.pmmDelo, [this] { properties(Level::Files); });

  for (const Level level : {Level::Fonds, Level::Inventories, Level::Files}) {
    browse::LevelGrid* grid = pages.grid(level);
    grid->installEventFilter(this);
    connect(grid, &QAbstractItemView::doubleClicked, this, [this, grid] { menuOf(grid)->defaultAction()->trigger(); });
  }

  connect(window_.commandBar(), &CommandBar::commandClicked, this, &NavigationController::onBarCommand);

  const MainMenu& menu = window_.menu();
  menu.mmClearFilter->setEnabled(true);
  connect(menu.mmClearFilter, &QAction::triggered, this, &NavigationController::showAll);
  menu.mmNal->setEnabled(true);
  connect(menu.mmNal, &QAction::triggered, this, &NavigationController::onlyAvailable);

  SearchStrip& strip = *window_.searchStrip();
  strip.clearLink()->setToolTip(QStringLiteral("Очистить фильтр и показать все записи"));
  connect(strip.clearLink(), &QLabel::linkActivated, this, &NavigationController::showAll);
  strip.clearAction()->setEnabled(true);
  connect(strip.clearAction(), &QAction::triggered, this, &NavigationController::showAll);
}

QMenu* NavigationController::menuOf(QObject* grid) const {
  PagesController& pages = window_.pages();
  if (grid == pages.grid(Level::Fonds)) return menus_.pmFond;
  if (grid == pages.grid(Level::Inventories)) return menus_.pmOpis;
  return menus_.pmDelo;
}

bool NavigationController::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if ((key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
        (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      menuOf(watched)->defaultAction()->trigger();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

void NavigationController::onBarCommand(BarCommand command, int page) {
  switch (command) {
    case BarCommand::showPage:
      return;  // the window switches pages itself
    case BarCommand::showAll:
      return showAll();
    case BarCommand::fondInventories:
      return move(Move::inventoriesOfFond);
    case BarCommand::fondNumbers:
      return fondNumbers();
    case BarCommand::properties:
      if (const auto level = levelOfPage(page)) properties(*level);
      return;
    case BarCommand::inventoryFiles:
      return move(Move::filesOfInventory);
    case BarCommand::inventoryFonds:
      return move(Move::fondsOfInventories);
    case BarCommand::fileDocuments:
      return move(Move::documentsOfFile);
    case BarCommand::fileInventories:
      return move(Move::inventoriesOfFiles);
    case BarCommand::fileFonds:
      return move(Move::fondsOfFiles);
  }
}

void NavigationController::move(Move move) {
  const QString captionBefore = window_.windowTitle();
  try {
    try {
      runMove(move);
    } catch (const dbf::ECdxCorrupted& error) {
      // An index file attached on the way is damaged: the list goes to
      // record order, without that file, and the move is made again.
      if (window_.dropDamagedIndex(error).isEmpty()) throw;
      runMove(move);
    }
  } catch (const browse::ParentKeyError& error) {
    window_.setCaption(captionBefore);
    window_.reportError(fromCp1251(error.what()));
  } catch (const std::exception& error) {
    window_.setCaption(captionBefore);
    window_.reportError(QString::fromStdString(error.what()));
  }
}

void NavigationController::runMove(Move move) {
  const browse::MoveTexts& texts = browse::moveTexts(move);
  if (move == Move::inventoriesOfFond) window_.noteFondDrillDown();
  window_.setCaption(fromCp1251(texts.searching));
  {
    const BusyCursor busy;
    switch (move) {
      case Move::inventoriesOfFond: {
        const browse::FondDrillOptions options{window_.menu().mmNal->isChecked(), window_.frameSettings().nalOpis};
        if (browse::showInventoriesOfFond(cursors_, options) == browse::FondDrill::noInventories) {
          window_.showStatus(fromCp1251(browse::noInventoriesStatus()));
          window_.statusPanel(1)->setText(window_.windowTitle());
          return;
        }
        break;
      }
      case Move::filesOfInventory:
        if (browse::showFilesOfInventory(cursors_)) {
          window_.pages().grid(Level::Files)->setMarker(0, browse::SortMarker::ascending);
        }
        break;
      case Move::documentsOfFile:
        browse::showDocumentsOfFile(cursors_);
        break;
      case Move::fondsOfInventories:
        browse::showFondsOfInventories(cursors_);
        break;
      case Move::inventoriesOfFiles:
        browse::showInventoriesOfFiles(cursors_);
        break;
      case Move::fondsOfFiles:
        browse::showInventoriesOfFiles(cursors_);
        window_.setCaption(fromCp1251(browse::fondsOfFilesSecondStep()));
        browse::showFondsOfInventories(cursors_);
        break;
    }
    window_.pages().showPage(texts.targetPage);
  }
  window_.setCaption(fromCp1251(texts.done));
}

void NavigationController::showAll() {
  const int page = window_.pages().activePage();
  try {
    const BusyCursor busy;
    const std::string_view pageStatus = browse::showAllPageStatus(page);
    if (!pageStatus.empty()) window_.showStatus(fromCp1251(pageStatus));
    browse::showAll(cursors_, window_.menu().mmNal->isChecked());
    window_.showStatus(fromCp1251(browse::noFilterStatus()));
    // The page stays; its record count follows the wider list.
    if (isLevelPage(page)) window_.pages().pageChanged();
  } catch (const std::exception& error) {
    window_.reportError(QString::fromStdString(error.what()));
  }
}

void NavigationController::onlyAvailable(bool checked) {
  const int page = window_.pages().activePage();
  try {
    const BusyCursor busy;
    const browse::OnlyAvailableResult result = browse::applyOnlyAvailable(cursors_, page, checked);
    window_.showStatus(fromCp1251(result.status));
    if (!result.applied) {
      window_.menu().mmNal->setChecked(!checked);
      return;
    }
    dbf::TableCursor& list = page == kFondPage ? cursors_.fond : cursors_.opis;
    if (list.active()) window_.statusPanel(1)->setText(fromCp1251(browse::onlyAvailableCountText(list.recordCount())));
  } catch (const std::exception& error) {
    window_.reportError(QString::fromStdString(error.what()));
  }
}

void NavigationController::properties(Level level) { window_.showRecordCard(level, true); }

void NavigationController::fondNumbers() {
  try {
    const BusyCursor busy;
    window_.showCardText(browse::singleLineCard(browse::fondNumberList(cursors_.fond)));
  } catch (const std::exception& error) {
    window_.reportError(QString::fromStdString(error.what()));
  }
}

}  // namespace kestrin::app
