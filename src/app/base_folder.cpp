#include "app/base_folder.h"

#include "app/folders.h"
#include "app/settings_keys.h"
#include "dbf/base/file_name.h"
#include "text/cp1251_utf8.h"

namespace kestrin::app {

namespace {

std::string pathBaseOf(const IniFile* file) {
  return file ? text::cp1251ToUtf8(readSetting(*file, keys::pathBase)) : std::string();
}

}  // namespace

std::vector<std::string> standardBasePlaces(const Platform& platform) {
  const std::string program = platform.programFolder();
  std::vector<std::string> places = {
      program + "DBF/",
      parentFolder(program, 1) + "DBF/",
      parentFolder(program, 1) + "AF3/DBF/",
      parentFolder(program, 2) + "AF3/DBF/",
  };
  for (const auto& place : platform.fixedBasePlaces()) places.push_back(withTrailingSeparator(place));
  return places;
}

std::string locateBaseFolder(std::string current, const BaseFolderSources& sources, const Platform& platform) {
  if (sources.commandLineFolder) current = *sources.commandLineFolder;
  if (current.empty()) {
    if (!sources.useProgramFolder) current = pathBaseOf(sources.programFolderFile);
    if (current.empty()) current = pathBaseOf(sources.settingsFile);
  }
  if (current.empty()) {
    for (const auto& place : standardBasePlaces(platform)) {
      if (dbf::fileExistsNoCase(place, "fond.dbf")) {
        current = place;
        break;
      }
    }
  }
  return withTrailingSeparator(current);
}

}  // namespace kestrin::app
