// The page area of the main window: the tab widget with the four level pages
// (a grid over its level model, and a hint label above the grids of fonds,
// inventories and files), the photo list and the About page. It answers which
// page is active and brings the frame in line when that changes, sorts the
// fond and file lists by their title buttons and times the hint labels.
#pragma once

#include <QObject>
#include <QTimer>
#include <array>
#include <memory>

#include "app/frame/countdown.h"
#include "app/frame/level_pages.h"
#include "browse/cursor_index_order.h"

class QLabel;
class QListWidget;
class QTabWidget;
class QWidget;

namespace kestrin::browse {
class CursorTableModel;
class LevelGrid;
}  // namespace kestrin::browse

namespace kestrin::app {

class AboutPage;
class MainWindow;
class RecordCountStatus;
struct FrameSettings;

class PagesController : public QObject {
  Q_OBJECT

 public:
  // Builds the pages as children of `parent`. The level models read the
  // tables of `window`'s session, which must outlive this object.
  PagesController(MainWindow& window, QWidget* parent);
  ~PagesController() override;

  QTabWidget* pageControl() const { return pageControl_; }
  browse::LevelGrid* grid(archive::Level level) const { return levelPage(level).grid; }
  browse::CursorTableModel* model(archive::Level level) const { return levelPage(level).model.get(); }
  // Null for documents: their page has no hint label.
  QLabel* hintLabel(archive::Level level) const { return levelPage(level).hint; }
  QListWidget* photoList() const { return photoList_; }
  AboutPage* aboutPage() const { return about_; }
  // The record count of the active page in status panel 1.
  RecordCountStatus& recordCount();

  int activePage() const;
  // Makes `page` active and brings the frame in line with it.
  void showPage(int page);
  // PageControlChange: the frame follows the active page, and the page's
  // list takes the keyboard focus.
  void pageChanged();
  // The About page, brought in like any other page (it counts no records and
  // shows no level's commands), with the info panel hidden until the next
  // page change.
  void showAbout();

  // What keeps the base from opening (a level table missing, a load error):
  // said on the pages whose table is not open and in status panel 1, until
  // the next base is opened; empty clears it.
  void setBaseProblem(const QString& text);
  const QString& baseProblem() const { return baseProblem_; }
  // The label that says it on the page of `level`.
  QLabel* problemLabel(archive::Level level) const { return levelPage(level).problem; }

  // Grid and photo list font, type colours and tab look from the settings.
  void applySettings(const FrameSettings& frame);
  // Gives each grid's title column the room its other columns leave.
  void fitColumns();

  // Shows the hint labels for their time; a page change or an edit of the
  // search box cuts that short.
  void startHints();
  void cutHintsShort() { hintCountdown_.cutShort(); }

 private:
  struct LevelPage {
    std::unique_ptr<browse::CursorTableModel> model;
    browse::LevelGrid* grid = nullptr;
    QLabel* hint = nullptr;
    QLabel* problem = nullptr;
  };

  const LevelPage& levelPage(archive::Level level) const { return levels_[static_cast<std::size_t>(level)]; }
  QWidget* buildLevelPage(archive::Level level);
  void setPageQuietly(int page);
  void focusActivePage();
  void showBaseProblem();
  // Each open level's grid marks the order its list has, and nothing over a
  // list in record order.
  void showOrderMarkers();
  void onTitleClicked(archive::Level level, int column);
  void sortByTitle(archive::Level level, int column);
  void hintTick();

  MainWindow& window_;
  QTabWidget* pageControl_ = nullptr;
  std::array<LevelPage, kLevels.size()> levels_;
  QListWidget* photoList_ = nullptr;
  AboutPage* about_ = nullptr;
  RecordCountStatus* recordCount_ = nullptr;
  QString baseProblem_;  // a child, made once the status bar is there
  browse::CursorIndexOrder fondOrder_;
  browse::CursorIndexOrder deloOrder_;
  Countdown hintCountdown_{kHintCountdown};
  QTimer hintTimer_;
  bool settingPage_ = false;
  bool busyCursor_ = false;
};

}  // namespace kestrin::app
