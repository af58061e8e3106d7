#include "app/gui/edge_snapper.h"

#include <QScopedValueRollback>
#include <QScreen>
#include <QWidget>

#include "app/gui/qt_geometry.h"
#include "app/window_geometry.h"

namespace kestrin::app {

void EdgeSnapper::windowChanged() {
  if (snapping_) return;
  const QRect frame = window_.frameGeometry();
  const QRect previous = last_;
  last_ = frame;
  if (!window_.isVisible() || window_.isMaximized() || window_.isFullScreen() || !window_.screen()) return;
  const Rect area = toRect(window_.screen()->availableGeometry());
  const bool resized = previous.isValid() && previous.size() != frame.size();
  const Rect wanted =
      resized ? snapResizeToWorkArea(toRect(frame), toRect(previous), area) : snapToWorkArea(toRect(frame), area);
  if (wanted == toRect(frame)) return;
  const QScopedValueRollback snapping(snapping_, true);
  if (wanted.width == frame.width() && wanted.height == frame.height()) {
    window_.move(wanted.left, wanted.top);
  } else {
    // The frame is the window's geometry plus the decoration around it.
    const QRect inner = window_.geometry();
    window_.setGeometry(wanted.left + (inner.left() - frame.left()), wanted.top + (inner.top() - frame.top()),
                        wanted.width - (frame.width() - inner.width()),
                        wanted.height - (frame.height() - inner.height()));
  }
  last_ = window_.frameGeometry();
}

}  // namespace kestrin::app
