// The options of the settings dialog "Настройки" as the settings file holds
// them: loading with the dialog's own defaults (which differ from the main
// window's for Tabs, FontLarge and the last-record keys), writing in the
// dialog's order, and the rule for a changed base or photo folder.
#pragma once

#include <optional>
#include <string>

#include "app/ini_file.h"

namespace kestrin::app {

struct SetupOptions {
  bool saveQuery = true;
  bool execQuery = true;
  bool exitOnEsc = true;
  bool saveWindows = true;
  bool tabs = true;
  bool menuXp = true;
  bool kolRec = true;
  bool colorTypes = true;
  bool fontLarge = false;  // the radio group "Размер шрифта": Large or Small
  bool selectOpis = true;  // "Двойной щелчок": SelectOpis or ShowInfo
  bool nalOpis = true;
  bool infoInMain = true;  // "Окно информации": in the main window or apart
  bool infoOnClick = true;
  bool infoOnTop = true;
  enum class Last { beep, first, next } last = Last::first;  // "На последней записи"
  std::string baseFolder;                                    // shown without the trailing separator
  std::string photoFolder;                                   // likewise

  bool operator==(const SetupOptions&) const = default;
};

// What the dialog takes from the running program rather than the file.
struct SetupContext {
  bool execQuery = true;  // the box's own last state when the key is absent
  bool nalOpis = true;    // the NalOpis flag in force
  std::string baseFolder;
  std::string photoFolder;
};

// The controls as the dialog shows them. Within a radio group the keys are
// applied in the dialog's order, so that of two set keys the later wins.
SetupOptions loadSetupOptions(const IniFile& settings, const SetupContext& context);

// Writes every option in the dialog's order; false when a write failed (the
// rest are still tried). Folders are not written here.
bool writeSetupOptions(IniFile& settings, const SetupOptions& options);

// The folder `edited` names, with a trailing separator, when it is not the
// folder in use (compared exactly, letter case included, a trailing separator
// of either text ignored); nullopt when nothing changed.
std::optional<std::string> changedFolder(const std::string& current, const std::string& edited);

}  // namespace kestrin::app
