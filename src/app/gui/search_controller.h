// The quick search of the main window: binds the search strip, the menu
// items "Найти!" and "Ускоренный", the button's popup menu and "Искать в этом
// фонде" of the grids' popup menus to the Qt-free search of search/quick;
// keeps the history in the box, runs a history pick after 0.4 s when
// ExecQuery is on, writes the search log, shows the scan's progress in the
// status bar and stops it at Esc, and reports the result with the advice
// under the grids, the focus and the record card.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

#include "archive/columns/level_columns.h"
#include "search/quick/mode_buttons.h"

namespace kestrin::app {

class MainWindow;

class SearchController : public QObject {
  Q_OBJECT

 public:
  // The photo page's search: the query (Windows-1251), the mode (0 phrase,
  // 1 any word, 2 all words; the word modes' query ends in a blank) and fast
  // mode; returns the number of entries the photo list then holds.
  using PhotoSearch = std::function<int(const std::string& query, int mode, bool fast)>;

  // `window` must outlive this object; its strip, menus, pages and
  // navigation (the grids' popup menus) must exist.
  explicit SearchController(MainWindow& window);

  // btSearchClick: one search on the open page; `fastRequested` is the
  // button's Tag = 1 of "Ускоренный". Shift held also makes it fast.
  void search(bool fastRequested);
  // pmmFondSearchClick on the list of `level`.
  void searchInFond(archive::Level level);
  // The photo page finds nothing until this is set.
  void setPhotoSearch(PhotoSearch photoSearch) { photoSearch_ = std::move(photoSearch); }

  // The mode buttons as the strip shows them.
  search::ModeButtons buttons() const;
  // True while a filter scan runs (Esc stops it).
  bool scanning() const { return scanning_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void bindControls();
  void onBoxEdited();
  void onHistoryPicked();
  void onExecQueryTick();
  void applyButtons(const search::ModeButtons& buttons);
  void setBoxQuietly(const std::vector<std::string>& history, const std::string& text);
  void writeLog(int page, const std::string& boxText);
  int runOnPage(int page, const search::ModeButtons& buttons, const std::string& query, bool caseInsensitive, bool fast,
                bool& fondNotFound);
  bool scanProgress(std::int64_t done, std::int64_t total);
  void report(int page, int count, const search::ModeButtons& buttons, bool caseInsensitive, bool fondNotFound);

  MainWindow& window_;
  QTimer execQuery_;
  int execQueryTag_ = 0;
  PhotoSearch photoSearch_;
  bool running_ = false;
  bool scanning_ = false;
  // Where Enter runs a search: the box and its line edit.
  const QObject* enterBox_ = nullptr;
  const QObject* enterEdit_ = nullptr;
  bool stopRequested_ = false;
  QElapsedTimer scanClock_;
};

}  // namespace kestrin::app
