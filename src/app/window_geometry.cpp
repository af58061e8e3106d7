#include "app/window_geometry.h"

#include <cmath>

#include "app/settings_keys.h"

namespace kestrin::app {

Size initialWindowSize(int screenWidth) {
  const int width = screenWidth / 2;
  return {width, static_cast<int>(std::lround(width * 0.8))};
}

Placement restoredPlacement(const IniFile& settings, const Rect& current, const Rect& workArea) {
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
  if (b.width > workArea.width) b.width = workArea.width;
  if (b.height > workArea.height) b.height = workArea.height;
  if (b.top < 0) b.top = 0;
  if (b.left < 0) b.left = 0;
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

int searchButtonLeft(int windowWidth, int clientWidth, int buttonWidth) {
  if (windowWidth > kMainWindowMinimumSize.width) return kMainWindowMinimumSize.width - buttonWidth - 4;
  return clientWidth - buttonWidth - 4;
}

}  // namespace kestrin::app
