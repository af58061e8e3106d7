// The keys of the main window that act wherever the focus is inside it:
// Esc and Ctrl+Q close it, Alt+Left and Alt+Right step through the level
// pages, Up and Down step the active level's record outside the search box,
// and typing on the fond grid starts a search. F3 and Ctrl+F open the
// advanced search; F10 opens the first menu. While the menu bar has the keyboard
// (after Alt or F10) its keys are its own: Esc leaves the menu, not the program.
#pragma once

#include <QObject>

class QKeyEvent;

namespace kestrin::app {

class MainWindow;

class WindowKeys : public QObject {
  Q_OBJECT

 public:
  // Watches every key press of the application; only those inside `window`
  // are handled.
  explicit WindowKeys(MainWindow& window);
  ~WindowKeys() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void armMenuBar();
  bool handleKey(QObject* watched, const QKeyEvent& key);

  MainWindow& window_;
};

}  // namespace kestrin::app
