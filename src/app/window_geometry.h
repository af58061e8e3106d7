// Rules for the main window's size and place: the size before any setting is
// known, the placement restored at start, and snapping to the screen edges.
#pragma once

#include <span>

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

// `bounds` when one of the work areas holds it wholly; otherwise moved (and
// shrunk where it is larger) into the work area it overlaps most, or into
// the first one when it overlaps none — a screen unplugged or made smaller
// since the bounds were saved leaves no window out of reach. No work areas:
// unchanged.
Rect placedOnWorkAreas(const Rect& bounds, std::span<const Rect> workAreas);

// The placement at start from `Maximized`, `Top`, `Left`, `Width`, `Height`
// (defaults: `current`), wholly visible on one of the screens that exist now
// (`workAreas`, the primary first): shrunk to that screen's work area when
// larger, moved inside it when an edge lies beyond it (placedOnWorkAreas).
Placement restoredPlacement(const IniFile& settings, const Rect& current, std::span<const Rect> workAreas);

// Writes the window's bounds, `Maximized` and the info panel height at exit.
void saveWindowPlacement(IniFile& settings, const Rect& bounds, bool maximized, int infoPanelHeight);

// A window moved or resized to `proposed`: each edge within 20 pixels of the
// work area's edge (or beyond it) snaps to it; after any snap the window is
// moved wholly inside, the left and top edges taking precedence.
Rect snapToWorkArea(const Rect& proposed, const Rect& workArea);

// A window resized from `previous` to `proposed`: each edge the resize moved
// snaps to the work area's edge when it comes within 20 pixels of it or runs
// beyond it, so the window grows up to the screen's edge and no further.
// Edges the resize left alone stay where they are.
Rect snapResizeToWorkArea(const Rect& proposed, const Rect& previous, const Rect& workArea);

// The info panel's height at start: the stored `pnInfo`, but never more than
// half of what the splitter shares out, so the grid above keeps at least half
// the height even when the window is now smaller than it was. Never negative.
int restoredInfoPanelHeight(int stored, int splitterHeight, int handleWidth);

// The search strip keeps the layout of the smallest window: the left edge of
// the search button.
int searchButtonLeft(int windowWidth, int clientWidth, int buttonWidth);

}  // namespace kestrin::app
