// The user's regional settings that the expression language depends on. The
// defaults are the Russian ones, so that results do not depend on the machine;
// the program passes the system's settings where it has them.
#pragma once

#include <string>

namespace kestrin::dbf {

struct ExprRegional {
  char decimalSeparator = ',';             // VAL, and numbers turned into text
  std::string shortDateFormat = "dd.MM.yyyy";  // DTOC, {date} literals, CTOD
};

}  // namespace kestrin::dbf
