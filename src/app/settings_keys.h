// Every key of the settings file with its section and its default, in one
// place. A key is read at the moment of use; a missing or unreadable key
// yields its default.
#pragma once

#include <string>
#include <string_view>

#include "app/ini_file.h"

namespace kestrin::app {

template <typename T>
struct SettingKey {
  std::string_view section;
  std::string_view name;
  T fallback;
};

using BoolKey = SettingKey<bool>;
using IntKey = SettingKey<int>;
using TextKey = SettingKey<std::string_view>;

namespace keys {

inline constexpr std::string_view kMain = "Main";
inline constexpr std::string_view kQuery = "Query";
inline constexpr std::string_view kInfo = "Info";
inline constexpr std::string_view kPic = "Pic";

inline constexpr TextKey pathBase{kMain, "PathBase", ""};
// The default photo folder is the platform's (Platform::defaultPhotoFolder).
inline constexpr TextKey pathPhoto{kMain, "PathPhoto", ""};
inline constexpr TextKey ini{kMain, "ini", ""};
inline constexpr BoolKey useIniInProgramDir{kMain, "UseIniInProgramDir", true};
inline constexpr BoolKey saveQuery{kMain, "SaveQuery", true};
inline constexpr BoolKey execQuery{kMain, "ExecQuery", true};
inline constexpr BoolKey exitOnEsc{kMain, "ExitOnEsc", true};
inline constexpr BoolKey saveWindows{kMain, "SaveWindows", true};
inline constexpr BoolKey maximized{kMain, "Maximized", false};
// The window bounds default to the window's current values.
inline constexpr IntKey top{kMain, "Top", 0};
inline constexpr IntKey left{kMain, "Left", 0};
inline constexpr IntKey width{kMain, "Width", 0};
inline constexpr IntKey height{kMain, "Height", 0};
inline constexpr IntKey pnInfo{kMain, "pnInfo", 120};
inline constexpr BoolKey infoInMain{kMain, "InfoInMain", true};
inline constexpr BoolKey infoOnClick{kMain, "InfoOnClick", true};
inline constexpr BoolKey infoOnTop{kMain, "InfoOnTop", true};
// The card window's own reading when it is created.
inline constexpr BoolKey infoOnTopAtCreation{kMain, "InfoOnTop", false};
inline constexpr BoolKey tabs{kMain, "Tabs", false};
inline constexpr BoolKey menuXp{kMain, "MenuXP", true};
inline constexpr BoolKey nalOpis{kMain, "NalOpis", true};
inline constexpr BoolKey fontLarge{kMain, "FontLarge", true};
inline constexpr BoolKey fontSmall{kMain, "FontSmall", true};
inline constexpr BoolKey lastBeep{kMain, "LastBeep", true};
inline constexpr BoolKey lastFirst{kMain, "LastFirst", true};
inline constexpr BoolKey lastNext{kMain, "LastNext", true};
inline constexpr BoolKey selectOpis{kMain, "SelectOpis", true};
inline constexpr BoolKey showInfo{kMain, "ShowInfo", false};
inline constexpr BoolKey kolRec{kMain, "KolRec", true};
inline constexpr BoolKey colorTypes{kMain, "ColorTypes", true};

// The card window's bounds; the defaults are its design bounds.
inline constexpr IntKey infoTop{kInfo, "Top", 150};
inline constexpr IntKey infoLeft{kInfo, "Left", 200};
inline constexpr IntKey infoWidth{kInfo, "Width", 440};
inline constexpr IntKey infoHeight{kInfo, "Height", 340};

// The picture window's bounds; the defaults are its current values.
inline constexpr IntKey picTop{kPic, "Top", 0};
inline constexpr IntKey picLeft{kPic, "Left", 0};
inline constexpr IntKey picWidth{kPic, "Width", 0};
inline constexpr IntKey picHeight{kPic, "Height", 0};
inline constexpr BoolKey picOnTop{kPic, "PicOnTop", true};

}  // namespace keys

inline bool readSetting(const IniFile& file, const BoolKey& key) {
  return file.readBool(key.section, key.name, key.fallback);
}
inline int readSetting(const IniFile& file, const IntKey& key) {
  return file.readInteger(key.section, key.name, key.fallback);
}
// For keys whose default is a current value rather than a constant.
inline int readSetting(const IniFile& file, const IntKey& key, int fallback) {
  return file.readInteger(key.section, key.name, fallback);
}
inline std::string readSetting(const IniFile& file, const TextKey& key) {
  return file.readString(key.section, key.name, key.fallback);
}
inline void writeSetting(IniFile& file, const BoolKey& key, bool value) {
  file.writeBool(key.section, key.name, value);
}
inline void writeSetting(IniFile& file, const IntKey& key, int value) {
  file.writeInteger(key.section, key.name, value);
}
inline void writeSetting(IniFile& file, const TextKey& key, std::string_view value) {
  file.writeString(key.section, key.name, value);
}

}  // namespace kestrin::app
