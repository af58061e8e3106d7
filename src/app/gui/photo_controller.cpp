#include "app/gui/photo_controller.h"

#include <QApplication>
#include <QEvent>
#include <QListWidget>
#include <QScreen>
#include <QTabWidget>
#include <stdexcept>

#include "app/frame/level_pages.h"
#include "app/gui/main_window.h"
#include "app/gui/pages_controller.h"
#include "app/gui/qt_geometry.h"
#include "app/picture_window_geometry.h"
#include "app/settings_keys.h"
#include "browse/gui/qt_text.h"
#include "photo/gui/photo_list.h"
#include "photo/gui/picture_window.h"
#include "photo/photo_paths.h"
#include "text/cp1251_literal.h"
#include "text/cp1251_utf8.h"

namespace kestrin::app {

using browse::fromCp1251;
using namespace text::literals;

namespace {

// The busy cursor while a folder is read or a picture is started.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::BusyCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

PhotoController::PhotoController(MainWindow& window)
    : window_(window), list_(std::make_unique<photo::PhotoList>(window.pages().photoList())) {
  connect(list_.get(), &photo::PhotoList::photoChosen, this, &PhotoController::showRow);
  QAction* photodat = window_.menu().mmPhotodat;
  photodat->setEnabled(true);
  connect(photodat, &QAction::triggered, this, &PhotoController::savePhotoDat);
}

PhotoController::~PhotoController() = default;

std::string PhotoController::photoFolder() const {
  return photo::withTrailingSeparator(text::utf8ToCp1251(window_.photoFolder()));
}

int PhotoController::listFilePhotos(const browse::FilePhotoKey& key) {
  const photo::FileNumbers numbers{key.fondNumber, key.opisNumber, key.deloNumber};
  std::optional<std::vector<std::string>> paths;
  {
    BusyCursor busy;
    paths = filePhotos_.list(photoFolder(), numbers);
  }
  if (!paths) return list_->count();
  list_->setPaths(*paths);
  showCount();
  if (list_->count() > 0) {
    list_->selectRow(0);
    showRow(0);
  }
  return list_->count();
}

int PhotoController::fillFromQuery(const std::string& query, int mode, bool /*fast*/) {
  list_->setPaths({});
  const std::string folder = photoFolder();
  if (catalogue_.empty() || catalogueFolder_ != folder) {
    BusyCursor busy;
    catalogueFolder_ = folder;
    try {
      if (const auto file = photo::photoDatFile(folder)) {
        window_.showStatus(QStringLiteral("Чтение списка файлов..."));
        catalogue_.loadFile(*file, folder);
      } else {
        window_.showStatus(QStringLiteral("Чтение файлов..."));
        catalogue_.scan(folder);
      }
    } catch (const std::exception& error) {
      window_.reportError(QString::fromStdString(error.what()));
    }
  }
  list_->setPaths(catalogue_.search(query, static_cast<photo::PhotoSearchMode>(std::clamp(mode, 0, 2))));
  // A photo search replaces the rows: the next file card lists its photos again.
  filePhotos_.forget();
  showCount();
  return list_->count();
}

void PhotoController::showCount() {
  const int rows = list_->count();
  window_.pages().pageControl()->setTabText(kPhotoPage,
                                            rows == 0 ? QStringLiteral("Фото") : QStringLiteral("Фото (%1)").arg(rows));
}

void PhotoController::step(bool forward) {
  const int row = list_->steppedRow(forward);
  if (row < 0 || row == list_->currentRow()) return;
  list_->selectRow(row);
  showRow(row);
}

void PhotoController::showRow(int row) {
  if (row < 0 || row >= list_->count()) return;
  {
    BusyCursor busy;
    ensurePictureWindow().showPicture(list_->pathAt(row), row, list_->count());
  }
  showPictureWindow();
}

photo::PictureWindow& PhotoController::ensurePictureWindow() {
  if (!picture_) {
    const IniFile* settings = window_.session().settings.get();
    const bool onTop = !settings || readSetting(*settings, keys::picOnTop);
    picture_ = std::make_unique<photo::PictureWindow>(onTop);
    picture_->setFadeReference(&window_);
    picture_->installEventFilter(this);
    snapper_ = std::make_unique<EdgeSnapper>(*picture_);
    connect(picture_.get(), &photo::PictureWindow::stepRequested, this, &PhotoController::step);
    connect(picture_.get(), &photo::PictureWindow::closing, this, &PhotoController::savePlacement);
    connect(picture_.get(), &photo::PictureWindow::helpRequested, this,
            [this] { window_.showHelp(HelpContext::Picture); });
  }
  return *picture_;
}

void PhotoController::showPictureWindow() {
  photo::PictureWindow& picture = ensurePictureWindow();
  if (picture.isVisible()) return;
  const IniFile* settings = window_.session().settings.get();
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (settings && primary) {
    const Rect current{picture.x(), picture.y(), picture.width(), picture.height()};
    const Rect restored =
        restoredPictureWindowBounds(*settings, current, {primary->size().width(), primary->size().height()});
    picture.move(restored.left, restored.top);
    picture.resize(restored.width, restored.height);
  }
  // Shown by a click in the list, the window leaves the keyboard there.
  picture.setAttribute(Qt::WA_ShowWithoutActivating, true);
  picture.show();
}

void PhotoController::savePlacement() {
  IniFile* settings = window_.session().settings.get();
  if (!picture_ || !settings || !readSetting(*settings, keys::saveWindows)) return;
  try {
    savePictureWindowBounds(*settings, {picture_->x(), picture_->y(), picture_->width(), picture_->height()});
  } catch (const std::exception&) {
    window_.showStatus(fromCp1251("Настройки не сохранены."_cp1251));
  }
}

void PhotoController::closeWindow() {
  if (picture_ && picture_->isVisible()) picture_->close();
}

void PhotoController::savePhotoDat() {
  const std::string folder = photoFolder();
  try {
    BusyCursor busy;
    catalogue_.scan(folder);
    catalogueFolder_ = folder;
    catalogue_.save(photo::photoDatTarget(folder));
  } catch (const std::exception& error) {
    window_.reportError(QString::fromStdString(error.what()));
    return;
  }
  window_.showStatus(QStringLiteral("Photo.dat сохранён."));
}

bool PhotoController::eventFilter(QObject* watched, QEvent* event) {
  if (picture_ && watched == picture_.get() && (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
      !picture_->isFullScreen()) {
    snapper_->windowChanged();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace kestrin::app
