// Moving between the level lists from the window: the drill-downs (double
// click, Enter, the grids' popup menus, the command bar), the
// cross-navigations, "Показать все" from each of its places, "Только в
// наличии", "Свойства" and "Номера фондов". The rules are the Qt-free ones of
// browse/navigation; this binds them to the controls, the caption, the status
// panels and the busy cursor.
#pragma once

#include <QObject>

#include "app/frame/command_bar_items.h"
#include "app/gui/grid_menus.h"
#include "archive/columns/level_columns.h"
#include "browse/navigation/level_cursors.h"
#include "browse/navigation/navigation_moves.h"

namespace kestrin::app {

class MainWindow;

class NavigationController : public QObject {
  Q_OBJECT

 public:
  // Builds the grids' popup menus and connects every control that navigates.
  // `window` must outlive this object; its pages, menu, search strip and
  // command bar must exist.
  explicit NavigationController(MainWindow& window);

  const GridMenus& menus() const { return menus_; }

  // The move with its captions and page change. A parent without a key (or
  // an engine error) is reported in a message box; the lists stay as they
  // were and the caption is put back.
  void move(browse::Move move);
  // "Показать все" on the active page.
  void showAll();
  // "Только в наличии" with the menu item already toggled to `checked`.
  void onlyAvailable(bool checked);
  // "Свойства": the card of the current record of `level`.
  void properties(archive::Level level);
  // "Номера фондов" into the card.
  void fondNumbers();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void onBarCommand(BarCommand command, int page);
  void runMove(browse::Move move);
  // The grid's popup menu, whose default item a double click or Enter runs.
  QMenu* menuOf(QObject* grid) const;

  MainWindow& window_;
  browse::LevelCursors cursors_;
  GridMenus menus_;
};

}  // namespace kestrin::app
