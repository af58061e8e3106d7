// The user's regional settings that the expression language and the archival
// formatting depend on. The core never asks the system: callers pass this
// value (the GUI fills it from the locale). The defaults are the Russian ones,
// so that tests and the command line do not depend on the machine.
#pragma once

#include <string>

namespace kestrin::dbf {

struct RegionalSettings {
  char decimalSeparator = ',';                 // VAL, numbers turned into text, sizes of files
  std::string shortDateFormat = "dd.MM.yyyy";  // DTOC, {date} literals, CTOD
};

}  // namespace kestrin::dbf
