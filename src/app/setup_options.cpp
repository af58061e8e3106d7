#include "app/setup_options.h"

#include "app/folders.h"
#include "app/settings_keys.h"

namespace kestrin::app {

namespace {

bool read(const IniFile& settings, const BoolKey& key, bool shown) {
  return settings.readBool(key.section, key.name, shown);
}

}  // namespace

SetupOptions loadSetupOptions(const IniFile& settings, const SetupContext& context) {
  SetupOptions o;
  o.saveQuery = read(settings, keys::saveQuery, true);
  o.execQuery = read(settings, keys::execQuery, context.execQuery);
  o.exitOnEsc = read(settings, keys::exitOnEsc, true);
  o.saveWindows = read(settings, keys::saveWindows, true);
  o.tabs = read(settings, keys::tabs, true);
  o.menuXp = read(settings, keys::menuXp, true);
  o.kolRec = read(settings, keys::kolRec, true);
  o.colorTypes = read(settings, keys::colorTypes, true);

  // A radio button set to false by its key leaves the group as it was.
  if (read(settings, keys::fontLarge, false)) o.fontLarge = true;
  if (read(settings, keys::fontSmall, true)) o.fontLarge = false;
  if (read(settings, keys::selectOpis, true)) o.selectOpis = true;
  if (read(settings, keys::showInfo, false)) o.selectOpis = false;
  o.nalOpis = read(settings, keys::nalOpis, context.nalOpis);

  o.infoInMain = read(settings, keys::infoInMain, true);
  o.infoOnClick = read(settings, keys::infoOnClick, true);
  o.infoOnTop = read(settings, keys::infoOnTop, true);

  if (read(settings, keys::lastBeep, false)) o.last = SetupOptions::Last::beep;
  if (read(settings, keys::lastFirst, true)) o.last = SetupOptions::Last::first;
  if (read(settings, keys::lastNext, false)) o.last = SetupOptions::Last::next;

  o.baseFolder = withoutTrailingSeparator(context.baseFolder);
  o.photoFolder = withoutTrailingSeparator(context.photoFolder);
  return o;
}

bool writeSetupOptions(IniFile& settings, const SetupOptions& o) {
  using Last = SetupOptions::Last;
  const std::pair<const BoolKey*, bool> writes[] = {
      {&keys::saveQuery, o.saveQuery},
      {&keys::execQuery, o.execQuery},
      {&keys::exitOnEsc, o.exitOnEsc},
      {&keys::saveWindows, o.saveWindows},
      {&keys::infoInMain, o.infoInMain},
      {&keys::infoOnClick, o.infoOnClick},
      {&keys::infoOnTop, o.infoOnTop},
      {&keys::tabs, o.tabs},
      {&keys::menuXp, o.menuXp},
      {&keys::nalOpis, o.nalOpis},
      {&keys::fontLarge, o.fontLarge},
      {&keys::fontSmall, !o.fontLarge},
      {&keys::lastBeep, o.last == Last::beep},
      {&keys::lastFirst, o.last == Last::first},
      {&keys::lastNext, o.last == Last::next},
      {&keys::selectOpis, o.selectOpis},
      {&keys::showInfo, !o.selectOpis},
      {&keys::kolRec, o.kolRec},
      {&keys::colorTypes, o.colorTypes},
  };
  bool allWritten = true;
  for (const auto& [key, value] : writes) {
    try {
      writeSetting(settings, *key, value);
    } catch (const std::exception&) {
      allWritten = false;
    }
  }
  return allWritten;
}

std::optional<std::string> changedFolder(const std::string& current, const std::string& edited) {
  const std::string folder = withTrailingSeparator(edited);
  if (folder == withTrailingSeparator(current)) return std::nullopt;
  return folder;
}

}  // namespace kestrin::app
