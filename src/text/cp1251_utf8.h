// Conversion between Windows-1251 bytes (the text of the core) and UTF-8 (the
// text of the command line, file names and widgets).
#pragma once

#include <string>
#include <string_view>

namespace kestrin::text {

std::string cp1251ToUtf8(std::string_view text);

// Characters that Windows-1251 cannot hold become '?'.
std::string utf8ToCp1251(std::string_view text);

}  // namespace kestrin::text
