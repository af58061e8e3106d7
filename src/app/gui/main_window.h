// The main window: the frame (menu, search strip, command bar, header panel,
// level pages, info panel, status bar), the start-up sequence that fills it,
// the window-wide keys, and the saving of its state when it closes.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "app/base_tables.h"
#include "app/frame_settings.h"
#include "app/gui/main_menu.h"
#include "app/ini_file.h"
#include "app/platform.h"
#include "app/settings_location.h"
#include "archive/model/storage_places.h"
#include "browse/cursor_index_order.h"
#include "app/frame/countdown.h"

class QLabel;
class QListWidget;
class QSplitter;
class QTabWidget;
class QTextEdit;

namespace kestrin::browse {
class CursorTableModel;
class LevelGrid;
}  // namespace kestrin::browse

namespace kestrin::app {

class AboutPage;
class CommandBar;
class SearchStrip;
class StatusCaption;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kWindowFontPoints = 8;

  // Runs the start-up sequence; `commandLineFolder` is the first argument.
  MainWindow(const Platform& platform, std::optional<std::string> commandLineFolder, QWidget* parent = nullptr);
  ~MainWindow() override;

  // --- state the other parts use ---
  IniFile& settings() { return *settings_; }
  const SettingsLocation& settingsLocation() const { return location_; }
  const std::string& baseFolder() const { return baseFolder_; }
  const std::string& photoFolder() const { return photoFolder_; }
  BaseTables& tables() { return tables_; }
  const FrameSettings& frameSettings() const { return frame_; }
  bool execQuery() const { return execQuery_; }

  // --- the frame ---
  const MainMenu& menu() const { return menu_; }
  SearchStrip* searchStrip() const { return searchStrip_; }
  CommandBar* commandBar() const { return commandBar_; }
  QLabel* headerPanel() const { return pnTop_; }
  QTabWidget* pageControl() const { return pageControl_; }
  browse::LevelGrid* grid(int level) const { return grids_[static_cast<std::size_t>(level)]; }
  QLabel* hintLabel(int level) const { return hints_[static_cast<std::size_t>(level)]; }
  QWidget* infoPanel() const { return pnInfo_; }
  QTextEdit* infoText() const { return reInfo_; }
  QSplitter* splitter() const { return splitter_; }
  QLabel* statusPanel(int index) const { return status_[static_cast<std::size_t>(index)]; }
  AboutPage* aboutPage() const { return about_; }
  QString applicationTitle() const;

  // ShowStatus: a progress or result text in the caption for ten seconds.
  void showStatus(const QString& text);
  // LoadSettings: applies the settings file to the window.
  void loadSettings();
  // Makes `page` active and brings the window in line with it.
  void showPage(int page);
  int activePage() const;
  // Shows the hint labels under the grids for their time.
  void startHints();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building the frame.
  void buildFrame();
  QWidget* buildLevelPage(int level);
  void connectFrame();

  // Start-up (main_window_startup.cpp).
  void runStartup(const std::optional<std::string>& commandLineFolder);
  bool openTables();
  void restoreColumnWidths();
  void loadStoragePlaces();
  void applyInfoPanelHeight();
  void restorePlacement();
  void saveOnClose();

  // Pages and keys (main_window_pages.cpp).
  void pageControlChange();
  void setPageQuietly(int page);
  void fitColumns();
  void layOutFrame();
  bool handleWindowKey(QObject* watched, QKeyEvent* key);
  void onTitleClicked(int level, int column);
  void showAbout();
  void hintTick();
  void reportError(const QString& message);

  const Platform& platform_;
  SettingsLocation location_;
  std::unique_ptr<IniFile> programFile_;
  std::unique_ptr<IniFile> settings_;
  std::string baseFolder_;
  std::string photoFolder_;
  BaseTables tables_;
  FrameSettings frame_;
  bool execQuery_ = true;
  bool firstPlacement_ = true;
  bool snapping_ = false;
  bool busyCursor_ = false;
  bool settingPage_ = false;
  bool infoHeightPending_ = false;

  archive::StoragePlaces storagePlaces_;
  browse::CursorIndexOrder fondOrder_{tables_.fond};
  browse::CursorIndexOrder deloOrder_{tables_.delo};
  Countdown hintCountdown_{kHintCountdown};
  QTimer hintTimer_;

  MainMenu menu_;
  StatusCaption* caption_ = nullptr;
  SearchStrip* searchStrip_ = nullptr;
  CommandBar* commandBar_ = nullptr;
  QWidget* pnMain_ = nullptr;
  QLabel* pnTop_ = nullptr;
  QTabWidget* pageControl_ = nullptr;
  std::array<browse::CursorTableModel*, 4> models_{};
  std::array<browse::LevelGrid*, 4> grids_{};
  std::array<QLabel*, 3> hints_{};
  QListWidget* lbxPhoto_ = nullptr;
  AboutPage* about_ = nullptr;
  QSplitter* splitter_ = nullptr;
  QWidget* pnInfo_ = nullptr;
  QTextEdit* reInfo_ = nullptr;
  std::array<QLabel*, 2> status_{};
};

}  // namespace kestrin::app
