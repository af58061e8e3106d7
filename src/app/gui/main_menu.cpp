#include "app/gui/main_menu.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>

namespace kestrin::app {

namespace {

QAction* item(QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut = {},
              bool enabled = false) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  action->setEnabled(enabled);
  return action;
}

}  // namespace

MainMenu buildMainMenu(QMenuBar* bar) {
  MainMenu m;
  m.file = bar->addMenu(QStringLiteral("&Файл"));
  m.mmSaveAs = item(m.file, "mmSaveAs", QStringLiteral("Сохранить как..."));
  m.file->addSeparator();
  m.mmSetup = item(m.file, "mmSetup", QStringLiteral("Настройки..."));
  m.mmPhotodat = item(m.file, "mmPhotodat", QStringLiteral("Сохранить Photo.dat"));
  m.mmPhotodat->setVisible(false);
  m.file->addSeparator();
  m.mmExit = item(m.file, "mmExit", QStringLiteral("В&ыход"), {}, true);

  m.edit = bar->addMenu(QStringLiteral("&Правка"));
  m.mmCut = item(m.edit, "mmCut", QStringLiteral("&Вырезать"), QKeySequence(Qt::CTRL | Qt::Key_X));
  m.mmCopy = item(m.edit, "mmCopy", QStringLiteral("&Копировать"), QKeySequence(Qt::CTRL | Qt::Key_C));
  m.mmPaste = item(m.edit, "mmPaste", QStringLiteral("Вст&авить"), QKeySequence(Qt::CTRL | Qt::Key_V));
  m.edit->addSeparator();
  m.mmClear = item(m.edit, "mmClear", QStringLiteral("О&чистить"));
  m.mmSelectAll = item(m.edit, "mmSelectAll", QStringLiteral("В&ыделить все"), QKeySequence(Qt::CTRL | Qt::Key_A));

  m.search = bar->addMenu(QStringLiteral("П&оиск"));
  m.mmSearch = item(m.search, "mmSearch", QStringLiteral("Найти!"));
  m.search->setDefaultAction(m.mmSearch);
  m.mmClearFilter = item(m.search, "mmClearFilter", QStringLiteral("Очистить"));
  m.mmSearchFast =
      item(m.search, "mmSearchFast", QStringLiteral("Ускоренный"), QKeySequence(Qt::SHIFT | Qt::Key_Return));
  m.mmSearchAdv = item(m.search, "mmSearchAdv", QStringLiteral("Расширенный..."), QKeySequence(Qt::Key_F7));
  m.search->addSeparator();
  m.mmNal = item(m.search, "mmNal", QStringLiteral("Только в наличии"));
  m.mmNal->setCheckable(true);
  m.mmNal->setChecked(true);

  m.help = bar->addMenu(QStringLiteral("&Справка"));
  m.mmTopic = item(m.help, "mmTopic", QStringLiteral("&Вызов справки"), QKeySequence(Qt::Key_F1));
  m.mmNews = item(m.help, "mmNews", QStringLiteral("Что &нового?"));
  m.help->addSeparator();
  m.mmAbout = item(m.help, "mmAbout", QStringLiteral("&О программе"), {}, true);

  QAction* photodat = m.mmPhotodat;
  for (QMenu* menu : {m.file, m.edit, m.help}) {
    QObject::connect(menu, &QMenu::aboutToShow, menu, [photodat] {
      photodat->setVisible(QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier));
    });
  }
  return m;
}

}  // namespace kestrin::app
