// The commands of the menus "Файл", "Правка" and "Справка" that need no
// search: saving the list, the settings dialog, the edit commands on the
// search box and the built-in help (with F1 in the main, card and settings
// windows). The dialog and the help window are made on first use and kept.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "app/help_context.h"

namespace kestrin::app {

class EditCommands;
class HelpWindow;
class ListSaver;
class MainWindow;
class SetupDialog;

class MenuCommands : public QObject {
  Q_OBJECT

 public:
  explicit MenuCommands(MainWindow& window);
  ~MenuCommands() override;

  ListSaver& listSaver() { return *saver_; }
  // Made on first use.
  SetupDialog& setupDialog();
  HelpWindow& helpWindow();
  bool helpWindowMade() const { return help_ != nullptr; }

  void showHelp(HelpContext context);

 private:
  void addHelpKey(QWidget* target, HelpContext context);

  MainWindow& window_;
  std::unique_ptr<ListSaver> saver_;
  QPointer<SetupDialog> setup_;
  // A window of its own (no parent): it stays usable beside the dialogs,
  // which block only the main window.
  std::unique_ptr<HelpWindow> help_;
  EditCommands* edits_ = nullptr;
};

}  // namespace kestrin::app
