// Snapping of a top-level window to the edges of its screen's work area, for
// moves and resizes alike: the owner calls windowChanged() from its
// moveEvent and resizeEvent.
#pragma once

#include <QRect>

class QWidget;

namespace kestrin::app {

class EdgeSnapper {
 public:
  explicit EdgeSnapper(QWidget& window) : window_(window) {}

  // A move (same size as before) follows snapToWorkArea; a resize follows
  // snapResizeToWorkArea, so an edge dragged past the screen's is pulled back.
  void windowChanged();

 private:
  QWidget& window_;
  QRect last_;  // the frame as the last change left it
  bool snapping_ = false;
};

}  // namespace kestrin::app
