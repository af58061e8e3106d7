// The user's regional settings that the formatting rules depend on. The core
// never asks the system: callers pass this value (the GUI fills it from the
// locale; tests and the command line use the Russian defaults).
#pragma once

#include <string>

namespace kestrin::archive {

struct RegionalSettings {
  char decimalSeparator = ',';
  std::string shortDateFormat = "dd.MM.yyyy";
};

}  // namespace kestrin::archive
