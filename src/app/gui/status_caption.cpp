#include "app/gui/status_caption.h"

#include <QWidget>

#include "app/startup_checks.h"
#include "browse/gui/qt_text.h"

namespace kestrin::app {

StatusCaption::StatusCaption(QWidget* window)
    : QObject(window), window_(window), applicationTitle_(browse::fromCp1251(programCaption())) {
  timer_.setInterval(countdown_.length().tickMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &StatusCaption::tick);
}

void StatusCaption::showStatus(const QString& text) {
  window_->setWindowTitle(text);
  applicationTitle_ = text;
  countdown_.start();
  timer_.start();
}

void StatusCaption::setCaption(const QString& text) { window_->setWindowTitle(text); }

void StatusCaption::tick() {
  if (countdown_.tick() != Countdown::Tick::ended) return;
  timer_.stop();
  window_->setWindowTitle(browse::fromCp1251(programCaption()));
  applicationTitle_ = browse::fromCp1251(programTitle());
}

}  // namespace kestrin::app
