// ShowStatus: progress and result texts in the main window's caption (and the
// application title), put back by the caption timer ten seconds after the
// last one.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "app/frame/countdown.h"

class QWidget;

namespace kestrin::app {

class StatusCaption : public QObject {
  Q_OBJECT

 public:
  explicit StatusCaption(QWidget* window);

  void showStatus(const QString& text);
  // Sets the caption without starting the countdown.
  void setCaption(const QString& text);
  // The task bar text: "Кестрин 5.0" whenever the window is activated.
  QString applicationTitle() const { return applicationTitle_; }
  void setApplicationTitle(const QString& text) { applicationTitle_ = text; }

 private:
  void tick();

  QWidget* window_;
  QTimer timer_;
  Countdown countdown_{kCaptionCountdown};
  QString applicationTitle_;
};

}  // namespace kestrin::app
