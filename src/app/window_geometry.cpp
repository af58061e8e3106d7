#include "app/window_geometry.h"

#include <algorithm>
#include <cmath>

#include "app/settings_keys.h"

namespace kestrin::app {

Size initialWindowSize(int screenWidth) {
  const int width = screenWidth / 2;
  return {width, static_cast<int>(std::lround(width * 0.8))};
}

namespace {

long long overlapArea(const Rect& a, const Rect& b) {
  const int width = std::min(a.right(), b.right()) - std::max(a.left, b.left);
  const int height = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? static_cast<long long>(width) * height : 0;
}

bool holds(const Rect& area, const Rect& r) {
  return r.left >= area.left && r.top >= area.top && r.right() <= area.right() && r.bottom() <= area.bottom();
}

}  // namespace

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

Placement restoredPlacement(const IniFile& settings, const Rect& current, std::span<const Rect> workAreas) {
  Placement placement;
  placement.bounds = current;
  if (readSetting(settings, keys::maximized)) {
    placement.maximized = true;
    return placement;
  }
  Rect& b = placement.bounds;
  b.top = readSetting(settings, keys::top, current.top);
  b.left = readSetting(settings, keys::left, current.left);
  b.width = readSetting(settings, keys::width, current.width);
  b.height = readSetting(settings, keys::height, current.height);
  b = placedOnWorkAreas(b, workAreas);
  return placement;
}

void saveWindowPlacement(IniFile& settings, const Rect& bounds, bool maximized, int infoPanelHeight) {
  writeSetting(settings, keys::top, bounds.top);
  writeSetting(settings, keys::left, bounds.left);
  writeSetting(settings, keys::width, bounds.width);
  writeSetting(settings, keys::height, bounds.height);
  writeSetting(settings, keys::maximized, maximized);
  writeSetting(settings, keys::pnInfo, infoPanelHeight);
}

Rect snapToWorkArea(const Rect& proposed, const Rect& workArea) {
  Rect r = proposed;
  bool snapped = false;
  if (r.left <= workArea.left + kSnapDistance) {
    r.left = workArea.left;
    snapped = true;
  }
  if (r.right() >= workArea.right() - kSnapDistance) {
    r.left = workArea.right() - r.width;
    snapped = true;
  }
  if (r.top <= workArea.top + kSnapDistance) {
    r.top = workArea.top;
    snapped = true;
  }
  if (r.bottom() >= workArea.bottom() - kSnapDistance) {
    r.top = workArea.bottom() - r.height;
    snapped = true;
  }
  if (snapped) {
    if (r.right() > workArea.right()) r.left = workArea.right() - r.width;
    if (r.left < workArea.left) r.left = workArea.left;
    if (r.bottom() > workArea.bottom()) r.top = workArea.bottom() - r.height;
    if (r.top < workArea.top) r.top = workArea.top;
  }
  return r;
}

Rect snapResizeToWorkArea(const Rect& proposed, const Rect& previous, const Rect& workArea) {
  int left = proposed.left;
  int top = proposed.top;
  int right = proposed.right();
  int bottom = proposed.bottom();
  if (left != previous.left && left <= workArea.left + kSnapDistance) left = workArea.left;
  if (right != previous.right() && right >= workArea.right() - kSnapDistance) right = workArea.right();
  if (top != previous.top && top <= workArea.top + kSnapDistance) top = workArea.top;
  if (bottom != previous.bottom() && bottom >= workArea.bottom() - kSnapDistance) bottom = workArea.bottom();
  return {left, top, right - left, bottom - top};
}

int restoredInfoPanelHeight(int stored, int splitterHeight, int handleWidth) {
  const int shared = std::max(0, splitterHeight - handleWidth);
  return std::clamp(stored, 0, shared / 2);
}

int searchButtonLeft(int windowWidth, int clientWidth, int buttonWidth) {
  if (windowWidth > kMainWindowMinimumSize.width) return kMainWindowMinimumSize.width - buttonWidth - 4;
  return clientWidth - buttonWidth - 4;
}

}  // namespace kestrin::app
