#include "app/gui/edit_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/gui/main_menu.h"

namespace kestrin::app {

namespace {

void selectAllWhenNothingIs(QLineEdit* edit) {
  if (!edit->hasSelectedText()) edit->selectAll();
}

}  // namespace

void runEditCommand(QComboBox* box, EditCommand command) {
  QLineEdit* edit = box->lineEdit();
  if (!edit) return;
  switch (command) {
    case EditCommand::cut:
      selectAllWhenNothingIs(edit);
      QApplication::clipboard()->setText(edit->selectedText());
      edit->clear();  // the whole text, also when only part was selected
      break;
    case EditCommand::copy:
      selectAllWhenNothingIs(edit);
      QApplication::clipboard()->setText(edit->selectedText());
      break;
    case EditCommand::paste:
      edit->setText(QApplication::clipboard()->text());
      break;
    case EditCommand::clear:
      edit->clear();
      break;
    case EditCommand::selectAll:
      selectAllWhenNothingIs(edit);  // a partial selection stays
      break;
  }
}

EditCommands::EditCommands(const MainMenu& menu, QComboBox* box, QObject* parent) : QObject(parent), box_(box) {
  const std::pair<QAction*, EditCommand> items[] = {{menu.mmCut, EditCommand::cut},
                                                    {menu.mmCopy, EditCommand::copy},
                                                    {menu.mmPaste, EditCommand::paste},
                                                    {menu.mmClear, EditCommand::clear},
                                                    {menu.mmSelectAll, EditCommand::selectAll}};
  for (const auto& [action, command] : items) {
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, [this, command = command] { runIfFocused(command); });
  }
  if (box_->lineEdit()) box_->lineEdit()->installEventFilter(this);
}

void EditCommands::runIfFocused(EditCommand command) {
  QWidget* focus = QApplication::focusWidget();
  if (focus && (focus == box_ || focus == box_->lineEdit())) runEditCommand(box_, command);
}

bool EditCommands::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
    return QObject::eventFilter(watched, event);
  }
  auto* key = static_cast<QKeyEvent*>(event);
  const std::pair<QKeySequence::StandardKey, EditCommand> keys[] = {{QKeySequence::Cut, EditCommand::cut},
                                                                    {QKeySequence::Copy, EditCommand::copy},
                                                                    {QKeySequence::Paste, EditCommand::paste},
                                                                    {QKeySequence::SelectAll, EditCommand::selectAll}};
  for (const auto& [standard, command] : keys) {
    if (!key->matches(standard)) continue;
    if (event->type() == QEvent::ShortcutOverride) {
      event->accept();  // the box takes the key before the menu's shortcut
    } else {
      runEditCommand(box_, command);
    }
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace kestrin::app
