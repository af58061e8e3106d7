// Internal to parseDateRange: the last touches to the display text of a date
// range (leading zeros, stray dots, a whole year written as months 01 to 12).
#pragma once

#include <string>

namespace kestrin::archive::detail {

void tidyDateDisplay(std::string& display);

}  // namespace kestrin::archive::detail
