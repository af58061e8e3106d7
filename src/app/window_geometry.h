// Rules for the main window's size and place: the size before any setting is
// known, the placement restored at start, and snapping to the screen edges.
#pragma once

#include "app/ini_file.h"

namespace kestrin::app {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool operator==(const Rect&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

inline constexpr Size kMainWindowMinimumSize{512, 410};
inline constexpr int kSnapDistance = 20;

// Half the screen width, and 0.8 of that rounded to the nearest pixel.
Size initialWindowSize(int screenWidth);

struct Placement {
  bool maximized = false;
  Rect bounds;
};

// The placement at start from `Maximized`, `Top`, `Left`, `Width`, `Height`
// (defaults: `current`): shrunk to the work area's size when larger, a
// negative top or left moved to 0.
Placement restoredPlacement(const IniFile& settings, const Rect& current, const Rect& workArea);

// Writes the window's bounds, `Maximized` and the info panel height at exit.
void saveWindowPlacement(IniFile& settings, const Rect& bounds, bool maximized, int infoPanelHeight);

// A window moved or resized to `proposed`: each edge within 20 pixels of the
// work area's edge (or beyond it) snaps to it; after any snap the window is
// moved wholly inside, the left and top edges taking precedence.
Rect snapToWorkArea(const Rect& proposed, const Rect& workArea);

// The search strip keeps the layout of the smallest window: the left edge of
// the search button.
int searchButtonLeft(int windowWidth, int clientWidth, int buttonWidth);

}  // namespace kestrin::app
