// The main window's page changes, layout on resize, edge snapping and
// window-wide keys.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>

#include "app/folders.h"
#include "app/gui/about_page.h"
#include "app/gui/command_bar.h"
#include "app/gui/main_window.h"
#include "app/gui/search_strip.h"
#include "app/gui/status_caption.h"
#include "app/settings_keys.h"
#include "app/startup_checks.h"
#include "app/window_geometry.h"
#include "browse/gui/level_grid.h"
#include "browse/gui/qt_text.h"
#include "browse/keyboard_rules.h"
#include "browse/level_pages.h"
#include "browse/title_sort.h"

namespace kestrin::app {

using browse::fromCp1251;

namespace {

Rect toRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

int MainWindow::activePage() const { return pageControl_->currentIndex(); }

void MainWindow::setPageQuietly(int page) {
  settingPage_ = true;
  pageControl_->setCurrentIndex(page);
  settingPage_ = false;
}

void MainWindow::showPage(int page) {
  setPageQuietly(page);
  pageControlChange();
}

void MainWindow::pageControlChange() {
  const int page = activePage();
  searchStrip_->numberMode()->setEnabled(page >= browse::kFondPage && page <= browse::kDeloPage);
  hintCountdown_.cutShort();
  commandBar_->showPage(page);
  pnTop_->setText(fromCp1251(browse::pageInfo(page).header));

  dbf::TableCursor* cursor = tables_.level(page);
  if (page == browse::kFondPage && tables_.fond.active()) {
    const bool hasRecord = !tables_.fond.isEmpty();
    const dbf::Bookmark bookmark = tables_.fond.getBookmark();
    browse::reestablishFondOrder(fondOrder_, grids_[0]->markers());
    if (hasRecord) tables_.fond.gotoBookmark(bookmark);
  }
  // An exact count may walk the whole table: taken only when it is shown.
  const int count = frame_.kolRec && cursor && cursor->active() ? cursor->recordCount() : 0;
  status_[1]->setText(fromCp1251(browse::recordCountText(frame_.kolRec, count)));

  fitColumns();
  pageControl_->setTabVisible(browse::kAboutPage, false);
  if (frame_.infoInMain) pnInfo_->show();
  if (busyCursor_) {
    QApplication::restoreOverrideCursor();
    busyCursor_ = false;
  }
}

void MainWindow::fitColumns() {
  for (auto* g : grids_) g->fitTitleColumn();
}

void MainWindow::layOutFrame() {
  searchStrip_->layOut(width(), searchStrip_->width());
  fitColumns();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  layOutFrame();
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (snapping_ || isMaximized() || isFullScreen() || !isVisible() || !screen()) return;
  const QRect frame = frameGeometry();
  const Rect snapped = snapToWorkArea(toRect(frame), toRect(screen()->availableGeometry()));
  if (snapped.left == frame.x() && snapped.top == frame.y()) return;
  snapping_ = true;
  move(snapped.left, snapped.top);
  snapping_ = false;
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    caption_->setApplicationTitle(fromCp1251(programTitle()));
  }
}

void MainWindow::showAbout() {
  pnInfo_->hide();
  pageControl_->setTabVisible(browse::kAboutPage, true);
  setPageQuietly(browse::kAboutPage);
  pnTop_->setText(fromCp1251(browse::pageInfo(browse::kAboutPage).header));
  about_->fill(QString::fromStdString(location_.settingsFile.string()),
               QString::fromStdString(withoutTrailingSeparator(platform_.programFolder())));
}

void MainWindow::startHints() {
  hintCountdown_.start();
  hintTimer_.start();
}

void MainWindow::hintTick() {
  const bool show = hintCountdown_.tick();
  for (auto* hint : hints_) hint->setVisible(show);
  if (!show) hintTimer_.stop();
}

void MainWindow::onTitleClicked(int level, int column) {
  if (level == browse::kDeloPage) {
    std::vector<browse::SortMarker> markers = grids_[2]->markers();
    browse::deloTitleClick(deloOrder_, column, markers);
    for (std::size_t i = 0; i < markers.size(); ++i) grids_[2]->setMarker(static_cast<int>(i), markers[i]);
    return;
  }
  // The titles of the inventory and document grids act on the fond list too.
  if (!tables_.fond.active()) return;
  std::vector<browse::SortMarker> markers = grids_[0]->markers();
  browse::fondTitleClick(fondOrder_, column, markers);
  for (std::size_t i = 0; i < markers.size(); ++i) grids_[0]->setMarker(static_cast<int>(i), markers[i]);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this) return QMainWindow::eventFilter(watched, event);
  if (handleWindowKey(watched, static_cast<QKeyEvent*>(event))) return true;
  return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::handleWindowKey(QObject* watched, QKeyEvent* key) {
  const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
  // Keys go to the focused control: the search box has the focus when they go to it.
  QComboBox* box = searchStrip_->searchBox();
  auto* target = qobject_cast<QWidget*>(watched);
  const bool searchBoxFocused = target == box || box->isAncestorOf(target);
  switch (key->key()) {
    case Qt::Key_Escape:
      if (mods == Qt::NoModifier && readSetting(*settings_, keys::exitOnEsc)) {
        close();
        return true;
      }
      return false;
    case Qt::Key_Q:
      if (mods == Qt::ControlModifier) {
        close();
        return true;
      }
      break;
    case Qt::Key_F3:
      return true;  // the advanced search takes it
    case Qt::Key_F:
      if (mods == Qt::ControlModifier) return true;
      break;
    case Qt::Key_Left:
    case Qt::Key_Right:
      if (mods == Qt::AltModifier) {
        const int page = activePage();
        showPage(key->key() == Qt::Key_Left ? browse::previousLevelPage(page) : browse::nextLevelPage(page));
        return true;
      }
      return false;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (searchBoxFocused) return false;
      if (dbf::TableCursor* cursor = tables_.level(activePage())) {
        browse::stepWithWrap(*cursor, key->key() == Qt::Key_Down);
      }
      return true;
    default:
      break;
  }
  // Type-to-search on the fond grid.
  if (watched == grids_[0] && !searchBoxFocused && key->text().size() == 1 && mods != Qt::ControlModifier &&
      mods != Qt::AltModifier) {
    const std::string typed = browse::toCp1251(key->text());
    if (typed.size() == 1 && browse::startsTypeToSearch(typed[0])) {
      box->setFocus(Qt::OtherFocusReason);
      box->lineEdit()->insert(key->text());
      return true;
    }
  }
  return false;
}

}  // namespace kestrin::app
