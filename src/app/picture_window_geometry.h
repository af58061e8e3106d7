// The picture window's place on screen: restored from section `Pic` each
// time it is shown (defaults: where it is), written back when it closes.
#pragma once

#include "app/ini_file.h"
#include "app/window_geometry.h"

namespace kestrin::app {

// `Top`, `Left`, `Width`, `Height` of section `Pic`, each defaulting to
// `current`'s. A width (height) larger than the screen's becomes the
// screen's less 20 pixels; a negative top or left becomes 0.
Rect restoredPictureWindowBounds(const IniFile& settings, const Rect& current, const Size& screen);

// Writes the bounds to section `Pic`; throws when the file cannot be written.
void savePictureWindowBounds(IniFile& settings, const Rect& bounds);

}  // namespace kestrin::app
