#include "app/frame_settings.h"

#include "app/settings_keys.h"

namespace kestrin::app {

FrameSettings loadFrameSettings(const IniFile& settings, int windowFontSize, LastRecordMode previousMode) {
  FrameSettings frame;
  frame.gridFontSize = windowFontSize + (readSetting(settings, keys::fontLarge) ? 2 : 0);
  frame.infoInMain = readSetting(settings, keys::infoInMain);
  frame.infoPanelHeight = readSetting(settings, keys::pnInfo);
  // The last key that is set wins; with none set the mode stays.
  frame.lastRecordMode = previousMode;
  if (readSetting(settings, keys::lastBeep)) frame.lastRecordMode = LastRecordMode::beep;
  if (readSetting(settings, keys::lastFirst)) frame.lastRecordMode = LastRecordMode::wrap;
  if (readSetting(settings, keys::lastNext)) frame.lastRecordMode = LastRecordMode::nextParent;
  frame.tabs = readSetting(settings, keys::tabs);
  frame.menuXp = readSetting(settings, keys::menuXp);
  frame.infoOnTop = readSetting(settings, keys::infoOnTop);
  frame.nalOpis = readSetting(settings, keys::nalOpis);
  frame.kolRec = readSetting(settings, keys::kolRec);
  frame.colorTypes = readSetting(settings, keys::colorTypes);
  return frame;
}

}  // namespace kestrin::app
