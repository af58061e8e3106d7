#include "app/gui/advanced_search_controller.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>

#include "app/frame/level_pages.h"
#include "app/gui/main_window.h"
#include "app/gui/pages_controller.h"
#include "app/gui/search_strip.h"
#include "browse/gui/level_grid.h"
#include "browse/gui/qt_text.h"
#include "search/advanced/advanced_search.h"
#include "search/advanced/search_error.h"
#include "search/gui/advanced_search_dialog.h"
#include "search/lookups/lookups.h"

namespace kestrin::app {

using browse::fromCp1251;

namespace {

void copyBox(const QComboBox& from, QComboBox& to) {
  to.clear();
  for (int i = 0; i < from.count(); ++i) to.addItem(from.itemText(i));
  to.setEditText(from.currentText());
}

// The wait cursor for as long as the search runs.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

AdvancedSearchController::AdvancedSearchController(MainWindow& window) : QObject(&window), window_(window) {
  QAction* menuItem = window.menu().mmSearchAdv;
  menuItem->setEnabled(true);
  connect(menuItem, &QAction::triggered, this, &AdvancedSearchController::open);
  connect(window.searchStrip()->advancedLink(), &QLabel::linkActivated, this, &AdvancedSearchController::open);
  // The search button's popup item of the same name.
  for (QAction* item : window.searchStrip()->searchMenu()->actions()) {
    if (item->text() != QStringLiteral("Расширенный поиск...")) continue;
    item->setObjectName(QStringLiteral("pmmSearchAdv"));
    item->setEnabled(true);
    connect(item, &QAction::triggered, this, &AdvancedSearchController::open);
  }
}

AdvancedSearchController::~AdvancedSearchController() = default;

void AdvancedSearchController::makeDialog() {
  dialog_ = std::make_unique<search::AdvancedSearchDialog>(&window_);
  connect(dialog_.get(), &search::AdvancedSearchDialog::searchClicked, this, &AdvancedSearchController::search);
  connect(dialog_.get(), &search::AdvancedSearchDialog::helpClicked, this,
          [this] { window_.showHelp(HelpContext::AdvancedSearch); });
  connect(dialog_.get(), &search::AdvancedSearchDialog::levelStepRequested, this, &AdvancedSearchController::stepLevel);
}

void AdvancedSearchController::showForActiveLevel() {
  const auto level = levelOfPage(window_.pages().activePage());
  if (!level) return;
  dialog_->buildForLevel(*level, window_.menu().mmNal->isChecked());
}

void AdvancedSearchController::open() {
  PagesController& pages = window_.pages();
  if (!isLevelPage(pages.activePage())) pages.showPage(kFondPage);
  if (!dialog_) makeDialog();
  showForActiveLevel();
  copyBox(*window_.searchStrip()->searchBox(), *dialog_->searchBox());
  if (dialog_->exec() != QDialog::Accepted) return;
  const auto level = levelOfPage(pages.activePage());
  if (!level) return;
  browse::LevelGrid* grid = pages.grid(*level);
  if (grid->isEnabled() && grid->isVisible()) {
    grid->setFocus(Qt::OtherFocusReason);
    window_.showRecordCard(*level, false);
  }
}

void AdvancedSearchController::stepLevel(int step) {
  PagesController& pages = window_.pages();
  const int page = pages.activePage();
  pages.showPage(step < 0 ? previousLevelPage(page) : nextLevelPage(page));
  showForActiveLevel();
}

void AdvancedSearchController::search() {
  const auto level = levelOfPage(window_.pages().activePage());
  if (!level) {
    dialog_->accept();
    return;
  }
  BaseTables& tables = window_.tables();
  const search::AdvancedSearchTables cursors{tables.fond,   tables.opis, tables.delo, tables.doc,
                                             tables.rename, tables.temp, tables.rubr};
  search::AdvancedSearchResult result;
  try {
    const WaitCursor busy;
    result = search::runAdvancedSearch(cursors, *level, dialog_->form());
  } catch (const search::AdvancedSearchError& error) {
    dialog_->showSearchError(fromCp1251(error.what()));
    return;
  } catch (const std::exception& error) {
    // The cursor is as it was; the text stays in the dialog for correction.
    dialog_->showSearchError(fromCp1251(error.what()));
    return;
  }
  if (!result.skippedTables.empty()) {
    window_.showStatus(fromCp1251(search::skippedTablesStatus(result.skippedTables)));
  }
  copyBox(*dialog_->searchBox(), *window_.searchStrip()->searchBox());
  dialog_->accept();
}

}  // namespace kestrin::app
