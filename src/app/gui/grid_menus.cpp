#include "app/gui/grid_menus.h"

#include <QAbstractScrollArea>
#include <QMenu>

namespace kestrin::app {

namespace {

QMenu* popupOn(QWidget* grid, const char* name) {
  auto* menu = new QMenu(grid);
  menu->setObjectName(QString::fromLatin1(name));
  grid->setContextMenuPolicy(Qt::CustomContextMenu);
  // A scroll area reports the point in its viewport.
  QWidget* area = grid;
  if (auto* scrollArea = qobject_cast<QAbstractScrollArea*>(grid)) area = scrollArea->viewport();
  QObject::connect(grid, &QWidget::customContextMenuRequested, menu,
                   [menu, area](const QPoint& at) { menu->popup(area->mapToGlobal(at)); });
  return menu;
}

QAction* item(QMenu* menu, const char* name, const QString& text, bool enabled = true) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  action->setEnabled(enabled);
  return action;
}

// The default item is drawn bold whatever the style makes of a default action.
QAction* defaultItem(QMenu* menu, const char* name, const QString& text) {
  QAction* action = item(menu, name, text);
  menu->setDefaultAction(action);
  QFont bold = action->font();
  bold.setBold(true);
  action->setFont(bold);
  return action;
}

}  // namespace

GridMenus buildGridMenus(QWidget* fondGrid, QWidget* opisGrid, QWidget* deloGrid) {
  GridMenus m;
  m.pmFond = popupOn(fondGrid, "pmFond");
  m.pmmFondOpis = defaultItem(m.pmFond, "pmmFondOpis", QStringLiteral("Показать описи фонда"));
  m.pmmFondNums = item(m.pmFond, "pmmFondNums", QStringLiteral("Показать номера фондов"));
  m.pmmFondSearch = item(m.pmFond, "pmmFondSearch", QStringLiteral("Искать в этом фонде"));
  m.pmmFond = item(m.pmFond, "pmmFond", QStringLiteral("Свойства"));

  m.pmOpis = popupOn(opisGrid, "pmOpis");
  m.pmmOpisDelo = defaultItem(m.pmOpis, "pmmOpisDelo", QStringLiteral("Показать дела описи"));
  m.pmmOpisFond = item(m.pmOpis, "pmmOpisFond", QStringLiteral("Показать фонды описей"));
  m.pmmOpisSearch = item(m.pmOpis, "pmmOpisSearch", QStringLiteral("Искать в этом фонде"));
  m.pmmOpis = item(m.pmOpis, "pmmOpis", QStringLiteral("Свойства"));

  m.pmDelo = popupOn(deloGrid, "pmDelo");
  m.pmmDeloDoc = defaultItem(m.pmDelo, "pmmDeloDoc", QStringLiteral("Показать документы дела"));
  m.pmmDeloOpis = item(m.pmDelo, "pmmDeloOpis", QStringLiteral("Показать описи дел"));
  m.pmmDeloFond = item(m.pmDelo, "pmmDeloFond", QStringLiteral("Показать фонды дел"));
  m.pmmDeloSearch = item(m.pmDelo, "pmmDeloSearch", QStringLiteral("Искать в этом фонде"));
  m.pmmDelo = item(m.pmDelo, "pmmDelo", QStringLiteral("Свойства"));
  return m;
}

}  // namespace kestrin::app
