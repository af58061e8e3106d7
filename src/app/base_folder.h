// Which folder holds the "Архивный Фонд" tables: the command line, the
// settings, then the standard places beside the program and on the system.
#pragma once

#include <optional>
#include <string>

#include "app/ini_file.h"
#include "app/platform.h"

namespace kestrin::app {

struct BaseFolderSources {
  std::optional<std::string> commandLineFolder;  // the first argument, when there is one
  const IniFile* programFolderFile = nullptr;
  const IniFile* settingsFile = nullptr;
  bool useProgramFolder = false;
};

// Starts from `current` (empty at start, or what the settings dialog set).
// The command line replaces it; the other sources are tried only while it is
// empty, and the first that yields a folder wins. The result ends in a
// separator unless it is empty. Standard places are never written anywhere.
std::string locateBaseFolder(std::string current, const BaseFolderSources& sources, const Platform& platform);

// The standard places in the order they are tried: beside the program, one
// and two levels up, then the platform's fixed places.
std::vector<std::string> standardBasePlaces(const Platform& platform);

}  // namespace kestrin::app
