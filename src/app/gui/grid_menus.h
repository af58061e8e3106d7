// The popup menus of the fond, inventory and file grids. The first item of
// each is its default, drawn in bold: what a double click or Enter on the
// grid does. "Искать в этом фонде" is the quick search's (SearchController).
#pragma once

class QAction;
class QMenu;
class QWidget;

namespace kestrin::app {

struct GridMenus {
  QMenu* pmFond = nullptr;
  QAction* pmmFondOpis = nullptr;    // "Показать описи фонда" (default)
  QAction* pmmFondNums = nullptr;    // "Показать номера фондов"
  QAction* pmmFondSearch = nullptr;  // "Искать в этом фонде"
  QAction* pmmFond = nullptr;        // "Свойства"

  QMenu* pmOpis = nullptr;
  QAction* pmmOpisDelo = nullptr;  // "Показать дела описи" (default)
  QAction* pmmOpisFond = nullptr;  // "Показать фонды описей"
  QAction* pmmOpisSearch = nullptr;
  QAction* pmmOpis = nullptr;

  QMenu* pmDelo = nullptr;
  QAction* pmmDeloDoc = nullptr;   // "Показать документы дела" (default)
  QAction* pmmDeloOpis = nullptr;  // "Показать описи дел"
  QAction* pmmDeloFond = nullptr;  // "Показать фонды дел"
  QAction* pmmDeloSearch = nullptr;
  QAction* pmmDelo = nullptr;
};

// Builds the three menus and opens each on a right click in its grid.
GridMenus buildGridMenus(QWidget* fondGrid, QWidget* opisGrid, QWidget* deloGrid);

}  // namespace kestrin::app
