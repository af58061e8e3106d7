// The photographs of the main window: the photo page's list (the photos of
// the file whose card is shown, or the hits of a photo search), its caption
// "Фото (N)", the catalogue behind the photo search and "Сохранить
// Photo.dat", and the picture window, made on first use, placed from
// section `Pic` and snapped to the screen's edges.
#pragma once

#include <QObject>
#include <memory>
#include <string>

#include "app/gui/edge_snapper.h"
#include "browse/card/card_text.h"
#include "photo/file_photos.h"
#include "photo/photo_catalogue.h"

namespace kestrin::photo {
class PhotoList;
class PictureWindow;
}  // namespace kestrin::photo

namespace kestrin::app {

class MainWindow;

class PhotoController : public QObject {
  Q_OBJECT

 public:
  explicit PhotoController(MainWindow& window);
  ~PhotoController() override;

  photo::PhotoList& list() const { return *list_; }
  // Null until the first picture is shown.
  photo::PictureWindow* pictureWindow() const { return picture_.get(); }

  // ListFilePhotos for the file card: refills the list when the file's
  // subfolder differs from the last one listed, shows its first picture,
  // and returns the number of photos listed.
  int listFilePhotos(const browse::FilePhotoKey& key);

  // FillPhotoListFromQuery for the quick search on the photo page: `query`
  // in Windows-1251; `mode` 0 as it is, 1 any word, 2 all words (the search
  // appends a blank to the query in modes 1 and 2); `fast` is not used.
  // Loads the catalogue on the first call. Returns the number of photos
  // listed.
  int fillFromQuery(const std::string& query, int mode, bool fast);

  // The Up and Down keys on the photo page: the next or previous photo with
  // wrap-around, shown as a click shows it.
  void step(bool forward);
  // Shows the picture of `row` in the picture window.
  void showRow(int row);

  // "Сохранить Photo.dat": scans the photo folder anew and writes the
  // catalogue into it.
  void savePhotoDat();
  // Hides the picture window, saving its placement (the program ends).
  void closeWindow();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::string photoFolder() const;
  void showCount();
  photo::PictureWindow& ensurePictureWindow();
  void showPictureWindow();
  void savePlacement();

  MainWindow& window_;
  std::unique_ptr<photo::PhotoList> list_;
  photo::FilePhotos filePhotos_;
  photo::PhotoCatalogue catalogue_;
  std::string catalogueFolder_;
  std::unique_ptr<photo::PictureWindow> picture_;
  std::unique_ptr<EdgeSnapper> snapper_;
};

}  // namespace kestrin::app
