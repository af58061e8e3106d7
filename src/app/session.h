// What the start-up finds and opens for the main window: the settings files,
// the base and photo folders, the tables of the base and its storage places.
// The window owns it; the start-up fills it; the pages read it.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/base_tables.h"
#include "app/ini_file.h"
#include "app/settings_location.h"
#include "archive/model/storage_places.h"

namespace kestrin::app {

struct Session {
  SettingsLocation location;
  std::unique_ptr<IniFile> programFile;  // the settings file in the program folder
  std::unique_ptr<IniFile> settings;     // the settings file in use
  std::string baseFolder;
  // The program's first argument: it overrides a base folder set while running.
  std::optional<std::string> commandLineFolder;
  std::string photoFolder;
  BaseTables tables;
  archive::StoragePlaces storagePlaces;
  bool execQuery = true;
  // The saved placement is applied at the first start-up only.
  bool placementRestored = false;
};

}  // namespace kestrin::app
