#include "app/gui/card_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/card_window_geometry.h"

namespace kestrin::app {

namespace {

QPushButton* button(const char* name, const QString& text, const QString& hint, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setToolTip(hint);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

CardWindow::CardWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fmInfo"));
  setWindowTitle(QStringLiteral("Информация"));
  setMinimumSize(kCardWindowMinimumSize.width, kCardWindowMinimumSize.height);
  setSizeGripEnabled(true);
  setModal(false);

  column_ = new QVBoxLayout(this);
  column_->setContentsMargins(6, 6, 6, 6);
  column_->setSpacing(6);
  auto* buttons = new QHBoxLayout();
  btPrev_ = button("btPrev", QStringLiteral("<< Предыдущий"), QStringLiteral("Предыдущая запись"), this);
  btNext_ = button("btNext", QStringLiteral("Следующий >>"), QStringLiteral("Следующая запись"), this);
  btClose_ = button("btClose", QStringLiteral("Закрыть"), QStringLiteral("Закрыть окно информации"), this);
  btHelp_ = button("btHelp", QStringLiteral("Справка"), QStringLiteral("Справка по окну информации"), this);
  btNext_->setDefault(true);
  buttons->addWidget(btPrev_);
  buttons->addWidget(btNext_);
  buttons->addStretch(1);
  buttons->addWidget(btClose_);
  buttons->addWidget(btHelp_);
  column_->addStretch(1);  // stands in for the text control while it is in the main window
  column_->addLayout(buttons);

  connect(btPrev_, &QPushButton::clicked, this, [this] { emit stepRequested(false); });
  connect(btNext_, &QPushButton::clicked, this, [this] { emit stepRequested(true); });
  connect(btClose_, &QPushButton::clicked, this, &CardWindow::reject);
  // The window sees these keys before the focused control, whichever it is.
  const std::pair<QKeySequence, bool> steps[] = {
      {QKeySequence(Qt::Key_Space), true},
      {QKeySequence(Qt::AltModifier | Qt::Key_Down), true},
      {QKeySequence(Qt::Key_Backspace), false},
      {QKeySequence(Qt::AltModifier | Qt::Key_Up), false},
  };
  for (const auto& [keys, forward] : steps) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, [this, forward = forward] { emit stepRequested(forward); });
  }
}

void CardWindow::takeText(QTextEdit* text) {
  QLayoutItem* placeholder = column_->itemAt(0);
  if (placeholder && placeholder->spacerItem()) delete column_->takeAt(0);
  column_->insertWidget(0, text, 1);
  text->show();
}

void CardWindow::setStepHints(const QString& previous, const QString& next) {
  btPrev_->setToolTip(previous);
  btNext_->setToolTip(next);
}

void CardWindow::setStaysOnTop(bool on) {
  if (staysOnTop() == on) return;
  const bool visible = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, on);  // hides the window
  if (visible) show();
}

bool CardWindow::staysOnTop() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

void CardWindow::reject() {
  if (isVisible()) emit closing();
  QDialog::reject();
}

void CardWindow::moveEvent(QMoveEvent* event) {
  QDialog::moveEvent(event);
  snapper_.windowChanged();
}

void CardWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  snapper_.windowChanged();
}

}  // namespace kestrin::app
