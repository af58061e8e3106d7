// The search box's history as kept in section `Query`: keys "0" to "9".
#pragma once

#include <string>
#include <vector>

#include "app/ini_file.h"

namespace kestrin::app {

inline constexpr int kSavedQueries = 10;

// Keys 0..9 trimmed at both ends, empty ones left out.
std::vector<std::string> loadQueryHistory(const IniFile& settings);

// Writes entry i of the first min(count, 10) as key i, skipping empty ones.
// Keys of a longer earlier history stay as they are.
void saveQueryHistory(IniFile& settings, const std::vector<std::string>& history);

}  // namespace kestrin::app
