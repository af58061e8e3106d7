// Windows-1251 text of the core at the edge of the Qt widgets.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kestrin::browse {

QString fromCp1251(std::string_view text);
// Characters the code page cannot hold become '?'.
std::string toCp1251(const QString& text);

}  // namespace kestrin::browse
