#include "app/card_window_geometry.h"

#include <algorithm>

#include "app/settings_keys.h"

namespace kestrin::app {

namespace {

constexpr int kScreenMargin = 20;

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

}  // namespace kestrin::app
