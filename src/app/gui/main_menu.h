// The main menu with its accelerators and shortcuts. Items whose commands
// belong to parts still to come are present and disabled.
#pragma once

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

namespace kestrin::app {

struct MainMenu {
  QMenu* file = nullptr;
  QMenu* edit = nullptr;
  QMenu* search = nullptr;
  QMenu* help = nullptr;

  QAction* mmSaveAs = nullptr;
  QAction* mmSetup = nullptr;
  QAction* mmPhotodat = nullptr;
  QAction* mmExit = nullptr;
  QAction* mmCut = nullptr;
  QAction* mmCopy = nullptr;
  QAction* mmPaste = nullptr;
  QAction* mmClear = nullptr;
  QAction* mmSelectAll = nullptr;
  QAction* mmSearch = nullptr;
  QAction* mmClearFilter = nullptr;
  QAction* mmSearchFast = nullptr;
  QAction* mmSearchAdv = nullptr;
  QAction* mmNal = nullptr;
  QAction* mmTopic = nullptr;
  QAction* mmNews = nullptr;
  QAction* mmAbout = nullptr;
};

// Builds the menus into `bar`. "Сохранить Photo.dat" shows only while Ctrl is
// held as "Файл", "Правка" or "Справка" opens.
MainMenu buildMainMenu(QMenuBar* bar);

}  // namespace kestrin::app
