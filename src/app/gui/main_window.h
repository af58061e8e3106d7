// The main window: the frame (menu, search strip, command bar, header panel,
// the page area, info panel, status bar), its settings and its caption, the
// placement on screen, and the saving of its state when it closes. It owns
// the session the start-up fills (StartupController runs it once the window
// is built), the page area (PagesController) and the window-wide keys.
#pragma once

#include <QMainWindow>
#include <array>
#include <exception>
#include <memory>
#include <string>

#include "app/frame_settings.h"
#include "app/gui/edge_snapper.h"
#include "app/gui/main_menu.h"
#include "app/help_context.h"
#include "app/platform.h"
#include "app/session.h"
#include "archive/columns/level_columns.h"

class QLabel;
class QSplitter;
class QTabWidget;
class QTextEdit;

namespace kestrin::browse {
struct Card;
}

namespace kestrin::app {

class AdvancedSearchController;
class CardController;
class CommandBar;
class MenuCommands;
class NavigationController;
class PagesController;
class SearchController;
class PhotoController;
class SearchStrip;
class StatusCaption;
class WindowKeys;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kWindowFontPoints = 8;

  // Builds the frame with the level pages on closed tables; `platform` must
  // outlive the window.
  explicit MainWindow(const Platform& platform, QWidget* parent = nullptr);
  ~MainWindow() override;

  // --- state the other parts use ---
  const Platform& platform() const { return platform_; }
  Session& session() { return session_; }
  // The settings file: there once the start-up has run.
  IniFile& settings() { return *session_.settings; }
  const SettingsLocation& settingsLocation() const { return session_.location; }
  const std::string& baseFolder() const { return session_.baseFolder; }
  const std::string& photoFolder() const { return session_.photoFolder; }
  BaseTables& tables() { return session_.tables; }
  const FrameSettings& frameSettings() const { return frame_; }
  bool execQuery() const { return session_.execQuery; }

  // --- the frame ---
  const MainMenu& menu() const { return menu_; }
  SearchStrip* searchStrip() const { return searchStrip_; }
  CommandBar* commandBar() const { return commandBar_; }
  QLabel* headerPanel() const { return pnTop_; }
  PagesController& pages() const { return *pages_; }
  NavigationController& navigation() const { return *navigation_; }
  SearchController& quickSearch() const { return *search_; }
  CardController& cards() const { return *cards_; }
  AdvancedSearchController& advancedSearch() const { return *advancedSearch_; }
  // "Сохранить как...", "Настройки...", the edit commands and the help.
  MenuCommands& commands() const { return *commands_; }
  PhotoController& photos() const { return *photos_; }
  QWidget* infoPanel() const { return pnInfo_; }
  // The card's text control: in the info panel or in the card window.
  QTextEdit* infoText() const { return reInfo_; }
  QSplitter* splitter() const { return splitter_; }
  // Panel 0 under the command bar, panel 1 with the record count.
  QLabel* statusPanel(int index) const { return status_[static_cast<std::size_t>(index)]; }
  QString applicationTitle() const;

  // ShowStatus: a progress or result text in the caption for ten seconds.
  void showStatus(const QString& text);
  // Sets the caption without the countdown of showStatus.
  void setCaption(const QString& text);
  // LoadSettings: applies the settings file to the window.
  void loadSettings();
  // The standard error box; the program goes on.
  void reportError(const QString& message);
  // The error box with the person's first line and the engine's message
  // below it; the first line also shows in the status bar until the next
  // page change.
  void reportFailure(const QString& text, const QString& detail);
  // A damaged index file met while working: the level lists using it go to
  // record order; the first time the file is met it is reported. Returns the
  // file's name, empty when no level list used the file the error names.
  QString dropDamagedIndex(const std::exception& error);

  // --- built-in help ---
  // Opens the help window at the page of `context`.
  void showHelp(HelpContext context);

  // --- the record card ---
  // Builds the card of the current record of `level` as a click on its grid
  // does; `showWindow` also shows the card window when the card lives there
  // (the "Свойства" commands).
  void showRecordCard(archive::Level level, bool showWindow);
  // Puts `card` in place of the card shown (the fond-number list).
  void showCardText(const browse::Card& card);
  // The fond list's drill-down has run: the click that belongs to its double
  // click must not rebuild the card.
  void noteFondDrillDown();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildFrame();
  void connectFrame();
  void layOutFrame();
  void applyInfoPanelHeight();
  void saveOnClose();

  const Platform& platform_;
  // Declared before the pages: the level models watch the session's tables.
  Session session_;
  FrameSettings frame_;
  EdgeSnapper snapper_{*this};
  bool infoHeightPending_ = false;

  MainMenu menu_;
  StatusCaption* caption_ = nullptr;
  SearchStrip* searchStrip_ = nullptr;
  CommandBar* commandBar_ = nullptr;
  QWidget* pnMain_ = nullptr;
  QLabel* pnTop_ = nullptr;
  std::unique_ptr<PagesController> pages_;
  QSplitter* splitter_ = nullptr;
  QWidget* pnInfo_ = nullptr;
  QTextEdit* reInfo_ = nullptr;
  std::array<QLabel*, 2> status_{};
  std::unique_ptr<WindowKeys> keys_;
  NavigationController* navigation_ = nullptr;  // a child of the window
  SearchController* search_ = nullptr;          // a child of the window
  std::unique_ptr<CardController> cards_;
  AdvancedSearchController* advancedSearch_ = nullptr;  // a child of the window
  MenuCommands* commands_ = nullptr;                    // a child of the window
  std::unique_ptr<PhotoController> photos_;
};

}  // namespace kestrin::app
