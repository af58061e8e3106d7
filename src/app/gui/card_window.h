// The card window "Информация": the card's text control (it moves between
// here and the main window's info panel), the step buttons, "Закрыть" and
// "Справка". It snaps to the screen edges like the main window; what a step
// or a close does is the card controller's.
#pragma once

#include <QDialog>

#include "app/gui/edge_snapper.h"

class QPushButton;
class QTextEdit;
class QVBoxLayout;

namespace kestrin::app {

class CardWindow : public QDialog {
  Q_OBJECT

 public:
  explicit CardWindow(QWidget* parent = nullptr);

  QPushButton* previousButton() const { return btPrev_; }
  QPushButton* nextButton() const { return btNext_; }
  QPushButton* closeButton() const { return btClose_; }
  QPushButton* helpButton() const { return btHelp_; }

  // Puts the card's text control at the top of the window, above the buttons.
  void takeText(QTextEdit* text);
  void setStepHints(const QString& previous, const QString& next);
  // Stay-on-top or an ordinary window; a visible window stays visible.
  void setStaysOnTop(bool on);
  bool staysOnTop() const;

  // "Закрыть", Esc and the frame's close button all end here.
  void reject() override;

 signals:
  // "Следующий >>" (Space, Alt+Down) when `forward`, else "<< Предыдущий"
  // (Backspace, Alt+Up).
  void stepRequested(bool forward);
  // The window is about to close: its placement is to be saved.
  void closing();

 protected:
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QVBoxLayout* column_ = nullptr;
  QPushButton* btPrev_ = nullptr;
  QPushButton* btNext_ = nullptr;
  QPushButton* btClose_ = nullptr;
  QPushButton* btHelp_ = nullptr;
  EdgeSnapper snapper_{*this};
};

}  // namespace kestrin::app
