// The card window's place on screen: restored from section `Info` when it is
// shown, kept wholly on a screen that exists (placedOnWorkAreas), written
// back when it closes.
#pragma once

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

}  // namespace kestrin::app
