// The card window's place on screen: restored from section `Info` when it is
// shown, kept wholly on a screen that exists, written back when it closes.
#pragma once

#include <span>

#include "app/ini_file.h"
#include "app/window_geometry.h"

namespace kestrin::app {

inline constexpr Size kCardWindowMinimumSize{394, 296};

// `Top`, `Left`, `Width`, `Height` of section `Info` (defaults: the design
// bounds). A width (height) larger than the screen's becomes the screen's
// less 20 pixels; a negative top or left becomes 0.
Rect restoredCardWindowBounds(const IniFile& settings, const Size& screen);

// Writes the bounds to section `Info`; throws when the file cannot be written.
void saveCardWindowBounds(IniFile& settings, const Rect& bounds);

// `bounds` when one of the work areas holds it wholly; otherwise moved (and
// shrunk where it is larger) into the work area it overlaps most, or into
// the first one when it overlaps none — a screen unplugged since the bounds
// were saved leaves no window out of reach. No work areas: unchanged.
Rect placedOnWorkAreas(const Rect& bounds, std::span<const Rect> workAreas);

}  // namespace kestrin::app
