// The record card of the main window: builds the card of a level's current
// record when a grid row is clicked, a record-stepping key moves a grid or a
// step button of the card window is pressed, and shows it in the main
// window's info panel or in the card window "Информация" as the settings
// say. It sets what a card sets around it (caption, status panels, the left
// panel's labels), owns the card window with its placement, and the card
// text's popup menu (find, copy as text, copy as rich text, select all).
#pragma once

#include <QObject>
#include <array>
#include <cstdint>
#include <memory>

#include "app/frame_settings.h"
#include "archive/columns/level_columns.h"
#include "browse/card/card_builder.h"
#include "browse/card/double_click_flags.h"

class QAction;
class QMenu;
class QTextEdit;

namespace kestrin::app {

class CardWindow;
class MainWindow;

class CardController : public QObject {
  Q_OBJECT

 public:
  // Binds to the grids, the text control and the session tables of
  // `window`, which must outlive this object.
  explicit CardController(MainWindow& window);
  ~CardController() override;

  CardWindow* cardWindow() const { return cardWindow_.get(); }
  QMenu* copyMenu() const { return ppmCopy_; }

  // The card of the current record of `level`, as a click on its grid
  // builds it; `showWindow` also shows the card window when the card lives
  // there. Without an open base the card says so.
  void showRecordCard(archive::Level level, bool showWindow);
  // Puts `card` in place of the card shown (its lines only).
  void showCardText(const browse::Card& card);
  // Puts a built card in place with what it sets around it: the caption,
  // the status panels and hint, the left panel's labels.
  void presentCard(const browse::Card& card);
  void noteFondDrillDown() { flags_.drilledDown(); }
  // The file card lists the file's photos through `lister`.
  void setPhotoLister(browse::PhotoLister lister) { builder_.setPhotoLister(std::move(lister)); }
  // The base has been opened: the parents' keys are found in the background.
  void baseOpened();

  // LoadSettings: the text control into the info panel or into the card
  // window, and the card window on top or not.
  void applySettings(const FrameSettings& frame);
  // The main window closes: so does the card window, saving its placement.
  void closeWindow();

  // The popup menu's commands.
  void findWord();
  void copyAsText();
  void copyAsRichText();
  void selectAll();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildCopyMenu();
  void bindGrids();
  void onGridClicked(archive::Level level);
  void step(bool forward);
  void render(const browse::Card& card);
  void showWindowAfterBuild(bool always);
  void showCardWindow(bool activate);
  void saveWindowPlacement();
  browse::CardQuery searchQuery() const;
  void forgetParentsAfterReopen();

  MainWindow& window_;
  browse::CardBuilder builder_;
  browse::DoubleClickFlags flags_;
  std::unique_ptr<CardWindow> cardWindow_;
  QMenu* ppmCopy_ = nullptr;
  bool settingsApplied_ = false;
  // The level tables' open generations when the parents were last looked up.
  std::array<std::uint64_t, 4> generations_{};
};

}  // namespace kestrin::app
