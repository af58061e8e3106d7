#include "app/gui/window_keys.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>

#include "app/frame/frame_keys.h"
#include "app/frame/level_pages.h"
#include "app/gui/main_window.h"
#include "app/gui/pages_controller.h"
#include "app/gui/photo_controller.h"
#include "app/gui/search_strip.h"
#include "app/settings_keys.h"
#include "browse/gui/level_grid.h"
#include "browse/gui/qt_text.h"
#include "browse/level_steps.h"

namespace kestrin::app {

WindowKeys::WindowKeys(MainWindow& window) : window_(window) { qApp->installEventFilter(this); }

WindowKeys::~WindowKeys() { qApp->removeEventFilter(this); }

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != &window_) return QObject::eventFilter(watched, event);
  const auto& key = static_cast<const QKeyEvent&>(*event);
  if (key.key() == Qt::Key_Alt && !key.isAutoRepeat()) armMenuBar();
  if (handleKey(watched, key)) return true;
  return QObject::eventFilter(watched, event);
}

void WindowKeys::armMenuBar() {
  // The menu bar takes the keyboard when Alt is released with no other key
  // between; it learns of the press from the shortcut check, which some
  // platforms deliver without the Alt modifier it waits for.
  QKeyEvent altDown(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
  QCoreApplication::sendEvent(&window_, &altDown);
}

bool WindowKeys::handleKey(QObject* watched, const QKeyEvent& key) {
  // After Alt or F10 the menu bar has the keyboard: Esc leaves the menu and
  // the arrows walk it, as in every other program.
  if (qobject_cast<QMenuBar*>(watched) || QApplication::activePopupWidget()) return false;
  const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
  PagesController& pages = window_.pages();
  // Keys go to the focused control: the search box has the focus when they go to it.
  QComboBox* box = window_.searchStrip()->searchBox();
  auto* target = qobject_cast<QWidget*>(watched);
  const bool searchBoxFocused = target == box || box->isAncestorOf(target);
  switch (key.key()) {
    case Qt::Key_Escape:
      if (mods == Qt::NoModifier && readSetting(window_.settings(), keys::exitOnEsc)) {
        window_.close();
        return true;
      }
      return false;
    case Qt::Key_Q:
      if (mods == Qt::ControlModifier) {
        window_.close();
        return true;
      }
      break;
    case Qt::Key_F10:
      if (mods == Qt::NoModifier && !window_.menuBar()->actions().isEmpty()) {
        window_.menuBar()->setActiveAction(window_.menuBar()->actions().constFirst());
        return true;
      }
      break;
    case Qt::Key_F3:
      window_.menu().mmSearchAdv->trigger();  // the advanced search
      return true;
    case Qt::Key_F:
      if (mods == Qt::ControlModifier) {
        window_.menu().mmSearchAdv->trigger();
        return true;
      }
      break;
    case Qt::Key_Left:
    case Qt::Key_Right:
      if (mods == Qt::AltModifier) {
        const int page = pages.activePage();
        pages.showPage(key.key() == Qt::Key_Left ? previousLevelPage(page) : nextLevelPage(page));
        return true;
      }
      return false;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (searchBoxFocused) return false;
      if (const auto level = levelOfPage(pages.activePage())) {
        browse::stepWithWrap(window_.tables().level(*level), key.key() == Qt::Key_Down);
        window_.showRecordCard(*level, false);
      } else if (pages.activePage() == kPhotoPage) {
        window_.photos().step(key.key() == Qt::Key_Down);
      }
      return true;
    default:
      break;
  }
  // Type-to-search on the fond grid.
  if (watched == pages.grid(archive::Level::Fonds) && !searchBoxFocused && key.text().size() == 1 &&
      mods != Qt::ControlModifier && mods != Qt::AltModifier) {
    const std::string typed = browse::toCp1251(key.text());
    if (typed.size() == 1 && startsTypeToSearch(typed[0])) {
      box->setFocus(Qt::OtherFocusReason);
      box->lineEdit()->insert(key.text());
      return true;
    }
  }
  return false;
}

}  // namespace kestrin::app
