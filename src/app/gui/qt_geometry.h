// The frame's Qt-free rectangles from Qt's.
#pragma once

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <vector>

#include "app/window_geometry.h"

namespace kestrin::app {

inline Rect toRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

// The work areas of the screens that exist now, the primary screen's first.
inline std::vector<Rect> screenWorkAreas() {
  std::vector<Rect> areas;
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (primary) areas.push_back(toRect(primary->availableGeometry()));
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen != primary) areas.push_back(toRect(screen->availableGeometry()));
  }
  return areas;
}

}  // namespace kestrin::app
