// The frame's Qt-free rectangles from Qt's.
#pragma once

#include <QRect>

#include "app/window_geometry.h"

namespace kestrin::app {

inline Rect toRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace kestrin::app
