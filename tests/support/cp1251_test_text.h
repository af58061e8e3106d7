// Test texts are written in UTF-8; the code under test works on Windows-1251.
#pragma once

#include <string>
#include <string_view>

#include "text/cp1251_utf8.h"

namespace kestrin::testing {

inline std::string cp(std::string_view utf8) { return text::utf8ToCp1251(utf8); }
inline std::string utf8(std::string_view cp1251) { return text::cp1251ToUtf8(cp1251); }

}  // namespace kestrin::testing
