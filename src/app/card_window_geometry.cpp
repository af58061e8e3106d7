#include "app/card_window_geometry.h"

#include <algorithm>

#include "app/settings_keys.h"

namespace kestrin::app {

namespace {

constexpr int kScreenMargin = 20;

long long overlapArea(const Rect& a, const Rect& b) {
  const int width = std::min(a.right(), b.right()) - std::max(a.left, b.left);
  const int height = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? static_cast<long long>(width) * height : 0;
}

bool holds(const Rect& area, const Rect& r) {
  return r.left >= area.left && r.top >= area.top && r.right() <= area.right() && r.bottom() <= area.bottom();
}

}  // namespace

Rect restoredCardWindowBounds(const IniFile& settings, const Size& screen) {
  Rect r{readSetting(settings, keys::infoLeft), readSetting(settings, keys::infoTop),
         readSetting(settings, keys::infoWidth), readSetting(settings, keys::infoHeight)};
  if (r.width > screen.width) r.width = screen.width - kScreenMargin;
  if (r.height > screen.height) r.height = screen.height - kScreenMargin;
  r.left = std::max(r.left, 0);
  r.top = std::max(r.top, 0);
  return r;
}

void saveCardWindowBounds(IniFile& settings, const Rect& bounds) {
  writeSetting(settings, keys::infoTop, bounds.top);
  writeSetting(settings, keys::infoLeft, bounds.left);
  writeSetting(settings, keys::infoWidth, bounds.width);
  writeSetting(settings, keys::infoHeight, bounds.height);
}

Rect placedOnWorkAreas(const Rect& bounds, std::span<const Rect> workAreas) {
  if (workAreas.empty()) return bounds;
  const Rect* best = &workAreas.front();
  long long bestOverlap = 0;
  for (const Rect& area : workAreas) {
    if (holds(area, bounds)) return bounds;
    const long long overlap = overlapArea(area, bounds);
    if (overlap > bestOverlap) {
      bestOverlap = overlap;
      best = &area;
    }
  }
  Rect r = bounds;
  r.width = std::min(r.width, best->width);
  r.height = std::min(r.height, best->height);
  r.left = std::clamp(r.left, best->left, best->right() - r.width);
  r.top = std::clamp(r.top, best->top, best->bottom() - r.height);
  return r;
}

}  // namespace kestrin::app
