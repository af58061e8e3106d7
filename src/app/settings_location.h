// Where the settings file is: beside the program, in a folder the program's
// own settings file names (key `ini`), or in the per-user settings folder.
#pragma once

#include <filesystem>
#include <string>

#include "app/platform.h"

namespace kestrin::app {

inline constexpr std::string_view kSettingsFileName = "Kestrin.ini";

struct SettingsLocation {
  std::filesystem::path programFolderFile;  // "Kestrin.ini" beside the program
  std::filesystem::path settingsFile;       // the file every window reads and writes
  std::string photoFolder;                  // from the program-folder file only
  bool useProgramFolder = false;            // `UseIniInProgramDir` as read; false when `ini` names a folder
};

// Decides the settings file and creates the folder it names when missing.
// Folder texts inside the files are Windows-1251; the paths returned are the
// platform's (UTF-8 on Linux).
SettingsLocation locateSettingsFile(const Platform& platform);

}  // namespace kestrin::app
