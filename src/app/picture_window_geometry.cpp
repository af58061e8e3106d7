#include "app/picture_window_geometry.h"

#include <algorithm>

#include "app/settings_keys.h"

namespace kestrin::app {

namespace {

constexpr int kScreenMargin = 20;

}  // namespace

Rect restoredPictureWindowBounds(const IniFile& settings, const Rect& current, const Size& screen) {
  Rect r{readSetting(settings, keys::picLeft, current.left), readSetting(settings, keys::picTop, current.top),
         readSetting(settings, keys::picWidth, current.width), readSetting(settings, keys::picHeight, current.height)};
  if (r.width > screen.width) r.width = screen.width - kScreenMargin;
  if (r.height > screen.height) r.height = screen.height - kScreenMargin;
  r.left = std::max(r.left, 0);
  r.top = std::max(r.top, 0);
  return r;
}

void savePictureWindowBounds(IniFile& settings, const Rect& bounds) {
  writeSetting(settings, keys::picTop, bounds.top);
  writeSetting(settings, keys::picLeft, bounds.left);
  writeSetting(settings, keys::picWidth, bounds.width);
  writeSetting(settings, keys::picHeight, bounds.height);
}

}  // namespace kestrin::app
