// The photo page and the picture window on the offscreen platform: a file
// card with photos fills the list and shows the first picture with its
// panels, stepping wraps, Esc hides the window, the copy commands fill the
// clipboard, the photo search lists the catalogue's hits, and a damaged
// file shows no picture.
#include "app/gui/photo_controller.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QUrl>
#include <filesystem>

#include "app/fake_platform.h"
#include "app/frame/level_pages.h"
#include "app/gui/main_window.h"
#include "app/gui/pages_controller.h"
#include "app/gui/startup_controller.h"
#include "browse/card/card_test_base.h"
#include "browse/gui/level_grid.h"
#include "demo/demo_jpeg.h"
#include "photo/gui/jpeg_loader.h"
#include "photo/gui/photo_list.h"
#include "photo/gui/picture_view.h"
#include "photo/gui/picture_window.h"
#include "photo/photo_paths.h"
#include "photo/photo_subfolder.h"
#include "support/cp1251_test_text.h"
#include "support/temp_dir.h"

namespace kestrin::app {
namespace {

namespace fs = std::filesystem;
using kestrin::testing::cp;
using kestrin::testing::TempDir;
using kestrin::testing::writeFileBytes;

std::string jpeg(int width, int height, int density) {
  demo::Picture picture{width, height, false, std::string(static_cast<std::size_t>(width * height * 3), '\x80')};
  demo::JpegParams params;
  params.width = width;
  params.height = height;
  params.xDensity = density;
  params.yDensity = density;
  return demo::encodeJpeg(picture, params);
}

class PhotoControllerTest : public ::testing::Test {
 protected:
  PhotoControllerTest() {
    fs::create_directories(root_.path() + "/program");
    fs::create_directories(root_.path() + "/base");
    platform_.program = root_.path() + "/program/";
    platform_.appData = root_.path() + "/config";
    platform_.bare = root_.path() + "/";
    platform_.photo = root_.path() + "/Photo/";
    browse::testing::writeCardBase(root_.path() + "/base");
    // The first file of the card base: fond 12, inventory 12 volume 3, file 45.
    folder_ = photo::pathText(fs::path(platform_.photo)) + photo::photoSubfolder({"12", cp("12. Т.3"), "45"}) +
              photo::kSeparator;
    fs::create_directories(photo::fsPath(folder_));
    writeFileBytes(photo::fsPath(folder_ + "1.jpg").string(), jpeg(600, 300, 300));
    writeFileBytes(photo::fsPath(folder_ + "2.JPG").string(), jpeg(64, 64, 96));
    writeFileBytes(photo::fsPath(folder_ + "3.jpg").string(), jpeg(64, 64, 72).substr(0, 200));
    writeFileBytes(photo::fsPath(folder_ + "descript.ion").string(), cp("1.jpg Митинг на площади\r\n"));
  }

  std::unique_ptr<MainWindow> start() {
    auto window = std::make_unique<MainWindow>(platform_);
    StartupController(*window).run(root_.path() + "/base");
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return window;
  }

  static void clickFirstFile(MainWindow& w) {
    w.pages().showPage(2);
    browse::LevelGrid* grid = w.pages().grid(archive::Level::Files);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 1)).center());
  }

  // Waits for the window's picture (or for its failure) to arrive.
  static void settle(photo::PictureWindow& picture) {
    picture.loader()->waitForIdle();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }

  static QString panel(photo::PictureWindow& picture, int index) { return picture.statusPanel(index)->text(); }

  TempDir root_;
  fakes::FakePlatform platform_;
  std::string folder_;
};

TEST_F(PhotoControllerTest, FileCardListsThePhotosAndShowsTheFirst) {
  auto w = start();
  clickFirstFile(*w);
  photo::PhotoList& list = w->photos().list();
  ASSERT_EQ(list.count(), 3);
  EXPECT_EQ(list.widget()->item(0)->text(), QStringLiteral("1"));
  EXPECT_EQ(list.widget()->item(1)->text(), QStringLiteral("2"));
  EXPECT_EQ(w->pages().pageControl()->tabText(kPhotoPage), QStringLiteral("Фото (3)"));
  EXPECT_NE(w->infoText()->toPlainText().indexOf(QStringLiteral("Изображений: 3")), -1);

  photo::PictureWindow* picture = w->photos().pictureWindow();
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(picture->isVisible());
  settle(*picture);
  EXPECT_EQ(panel(*picture, 0), QStringLiteral("600x300 (5,1x2,5 см.) 300 dpi"));
  EXPECT_EQ(panel(*picture, 1), QStringLiteral("1/3"));
  EXPECT_NE(panel(*picture, 2), QStringLiteral("н/д"));
  EXPECT_TRUE(panel(*picture, 3).endsWith(QStringLiteral(" б")) || panel(*picture, 3).endsWith(QStringLiteral("Кб")));
  EXPECT_EQ(picture->windowTitle(), QStringLiteral("1"));
  EXPECT_EQ(picture->view()->toolTip(),
            QString::fromStdString(text::cp1251ToUtf8(folder_)) + QStringLiteral("1.jpg\nМитинг на площади"));

  // The same file again: nothing is listed or loaded anew.
  const QString path = QString::fromStdString(picture->picturePath());
  clickFirstFile(*w);
  EXPECT_EQ(QString::fromStdString(picture->picturePath()), path);
}

TEST_F(PhotoControllerTest, SteppingWrapsAndEscHides) {
  auto w = start();
  clickFirstFile(*w);
  photo::PictureWindow* picture = w->photos().pictureWindow();
  ASSERT_NE(picture, nullptr);
  QTest::keyClick(picture, Qt::Key_Left);
  EXPECT_EQ(w->photos().list().currentRow(), 2);
  EXPECT_EQ(panel(*picture, 1), QStringLiteral("3/3"));
  settle(*picture);
  // The file cut short: no picture, the zoom unknown, the header's size kept.
  EXPECT_EQ(panel(*picture, 2), QStringLiteral("н/д"));
  EXPECT_TRUE(picture->view()->image().isNull());
  QTest::keyClick(picture, Qt::Key_Space);
  EXPECT_EQ(w->photos().list().currentRow(), 0);
  QTest::keyClick(picture, Qt::Key_Down);
  EXPECT_EQ(panel(*picture, 1), QStringLiteral("2/3"));
  settle(*picture);
  // 96 dpi stands for "not known": 300 dpi is shown.
  EXPECT_EQ(panel(*picture, 0), QStringLiteral("64x64 (0,5x0,5 см.) 300 dpi"));
  QTest::keyClick(picture, Qt::Key_Escape);
  EXPECT_FALSE(picture->isVisible());
}

TEST_F(PhotoControllerTest, CopyCommandsPutPathsAndFilesOnTheClipboard) {
  auto w = start();
  clickFirstFile(*w);
  photo::PhotoList& list = w->photos().list();
  list.widget()->selectAll();
  const QString folder = QString::fromStdString(text::cp1251ToUtf8(folder_));
  list.copySelectedAsText();
  EXPECT_EQ(QApplication::clipboard()->text(), folder + "1.jpg\r\n" + folder + "2.JPG\r\n" + folder + "3.jpg\r\n");
  list.copySelectedFiles();
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  ASSERT_EQ(data->urls().size(), 3);
  EXPECT_EQ(data->urls()[1], QUrl::fromLocalFile(folder + "2.JPG"));
  EXPECT_TRUE(data->data(QStringLiteral("x-special/gnome-copied-files")).startsWith("copy\nfile://"));

  list.widget()->clearSelection();
  list.copySelectedFiles();
  EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("text/uri-list")));
  EXPECT_TRUE(QApplication::clipboard()->mimeData()->urls().isEmpty());
}

TEST_F(PhotoControllerTest, PhotoSearchListsTheCatalogueHits) {
  auto w = start();
  EXPECT_EQ(w->photos().fillFromQuery(cp("митинг площади "), 2, false), 1);
  EXPECT_EQ(w->pages().pageControl()->tabText(kPhotoPage), QStringLiteral("Фото (1)"));
  EXPECT_EQ(w->photos().fillFromQuery(cp("нет такого "), 1, false), 0);
  EXPECT_EQ(w->pages().pageControl()->tabText(kPhotoPage), QStringLiteral("Фото"));
  EXPECT_EQ(w->photos().fillFromQuery(".jpg", 0, false), 3);
}

TEST_F(PhotoControllerTest, SavePhotoDatWritesTheCatalogueIntoThePhotoFolder) {
  auto w = start();
  w->photos().savePhotoDat();
  ASSERT_TRUE(fs::exists(platform_.photo + "Photo.dat")) << w->windowTitle().toStdString();
  const std::string saved = kestrin::testing::readFileBytes(platform_.photo + "Photo.dat");
  EXPECT_NE(saved.find(cp("/1.jpg\" Митинг на площади\r\n")), std::string::npos);
  EXPECT_NE(saved.find("/2.JPG\"\r\n"), std::string::npos);
}

TEST_F(PhotoControllerTest, ZoomAroundThePointerAndBackToFit) {
  auto w = start();
  clickFirstFile(*w);
  photo::PictureWindow* picture = w->photos().pictureWindow();
  ASSERT_NE(picture, nullptr);
  settle(*picture);
  photo::PictureView* view = picture->view();
  // A point inside the 600 × 300 picture, away from its edges, so that the
  // pan limits leave it where it is at 400 %.
  const double fit = std::min(view->width() / 600.0, view->height() / 300.0);
  const QPointF pointer(250 * fit, 140 * fit);
  const QPointF before = view->pictureAt(pointer);
  view->zoomBy(20.0, pointer);
  EXPECT_EQ(view->zoomPercent(), 400);
  EXPECT_FALSE(view->fitted());
  const QPointF after = view->pictureAt(pointer);
  EXPECT_NEAR(after.x(), before.x(), 1e-6);
  EXPECT_NEAR(after.y(), before.y(), 1e-6);
  QTest::keyClick(picture, Qt::Key_Slash);
  EXPECT_TRUE(view->fitted());
  QTest::keyClick(picture, Qt::Key_Asterisk);
  EXPECT_EQ(view->zoomPercent(), 100);
  EXPECT_EQ(panel(*picture, 2), QStringLiteral("100%"));
}

}  // namespace
}  // namespace kestrin::app
