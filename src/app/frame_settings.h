// The settings that shape the main window, read in one go when the program
// starts and whenever the settings dialog closes with OK. Painting code gets
// copies of these values; it never reads the settings file itself.
#pragma once

#include "app/ini_file.h"

namespace kestrin::app {

// What the record card's step buttons do at either end of the list.
enum class LastRecordMode { none = 0, beep = 1, wrap = 2, nextParent = 3 };

struct FrameSettings {
  int gridFontSize = 8;       // points
  bool infoInMain = true;     // card text in the lower info panel
  int infoPanelHeight = 120;  // pixels
  LastRecordMode lastRecordMode = LastRecordMode::none;
  bool tabs = false;   // page tabs instead of the header panel
  bool menuXp = true;  // left command bar
  bool infoOnTop = true;
  bool nalOpis = true;
  bool kolRec = true;
  bool colorTypes = true;
};

// Reads the frame settings; `windowFontSize` is the main window's own font
// size, `previousMode` the mode kept when none of the three keys is set.
FrameSettings loadFrameSettings(const IniFile& settings, int windowFontSize, LastRecordMode previousMode);

}  // namespace kestrin::app
