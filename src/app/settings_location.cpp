#include "app/settings_location.h"

#include "app/folders.h"
#include "app/ini_file.h"
#include "app/settings_keys.h"
#include "text/cp1251_case.h"
#include "text/cp1251_utf8.h"

namespace kestrin::app {
namespace fs = std::filesystem;

namespace {

void createFolder(const fs::path& folder) {
  std::error_code error;  // a folder that cannot be made shows later as a settings file that cannot be written
  fs::create_directories(folder, error);
}

}  // namespace

SettingsLocation locateSettingsFile(const Platform& platform) {
  SettingsLocation location;
  location.programFolderFile = fileInFolder(platform.programFolder(), std::string(kSettingsFileName));
  const IniFile programFile(location.programFolderFile);

  location.photoFolder = withTrailingSeparator(text::cp1251ToUtf8(programFile.readString(
      keys::pathPhoto.section, keys::pathPhoto.name, text::utf8ToCp1251(platform.defaultPhotoFolder()))));

  std::string iniFolder = text::cp1251ToUtf8(readSetting(programFile, keys::ini));
  if (text::upper1251(iniFolder) == "%APPDATA%") {
    const std::string appData = platform.appDataFolder();
    iniFolder = appData.empty() ? std::string() : appData + kSeparator + "Kestrin";
  }
  if (!iniFolder.empty()) {
    createFolder(iniFolder);
    location.settingsFile = fs::path(iniFolder) / kSettingsFileName;
    return location;
  }

  location.useProgramFolder = readSetting(programFile, keys::useIniInProgramDir);
  // Installed system-wide the program's folder cannot take the file, and
  // every exit would fail to save: the per-user file serves unless a file
  // beside the program asks for the program folder in so many words.
  const bool askedForProgramFolder =
      programFile.hasKey(keys::useIniInProgramDir.section, keys::useIniInProgramDir.name);
  if (location.useProgramFolder && !askedForProgramFolder && !platform.canWriteFolder(platform.programFolder())) {
    location.useProgramFolder = false;
    // A new account may not have the per-user folder yet (~/.config).
    const std::string appData = platform.appDataFolder();
    if (!appData.empty()) createFolder(appData);
  }
  if (location.useProgramFolder) {
    location.settingsFile = location.programFolderFile;
    return location;
  }
  const std::string appData = platform.appDataFolder();
  std::error_code error;
  if (!appData.empty() && fs::is_directory(appData, error)) {
    const fs::path folder = fs::path(appData) / "Kestrin";
    createFolder(folder);
    location.settingsFile = folder / kSettingsFileName;
  } else {
    location.settingsFile = fs::path(platform.bareSettingsFolder()) / kSettingsFileName;
  }
  return location;
}

}  // namespace kestrin::app
