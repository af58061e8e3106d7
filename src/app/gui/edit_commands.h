// The commands of the menu "Правка": they work on the search box only, and
// only while it has the keyboard focus. Cut and copy take the whole text
// when nothing is selected; paste replaces the whole text; cut empties the
// box (its history stays). The box's own keys for these commands follow the
// same rules, so the menu and the keys never differ.
#pragma once

#include <QObject>

class QComboBox;

namespace kestrin::app {

struct MainMenu;

enum class EditCommand { cut, copy, paste, clear, selectAll };

// Runs `command` on `box` whether or not it has the focus.
void runEditCommand(QComboBox* box, EditCommand command);

class EditCommands : public QObject {
  Q_OBJECT

 public:
  // Enables and connects the items of "Правка"; `box` must outlive this object.
  EditCommands(const MainMenu& menu, QComboBox* box, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void runIfFocused(EditCommand command);

  QComboBox* box_;
};

}  // namespace kestrin::app
