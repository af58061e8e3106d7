// Column widths of the four level grids in the settings file: one section per
// grid, one key per column position; the title column (position 1) is never
// stored because it always takes the room the others leave.
#pragma once

#include <string_view>
#include <vector>

#include "app/ini_file.h"

namespace kestrin::app {

inline constexpr int kTitleColumn = 1;
inline constexpr int kMinStoredWidth = 10;
inline constexpr int kMaxStoredWidth = 70;

// "FondColumns", "OpisColumns", "DeloColumns", "DocColumns" for levels 0..3.
std::string_view columnSection(int level);

// Widths at start: every column but the title one from its key (default its
// current width) limited to 10..70; the title column gets the room left of
// `gridWidth` less a vertical scroll bar, even when that is small or negative.
std::vector<int> restoredColumnWidths(const IniFile& settings, int level, const std::vector<int>& current,
                                      int gridWidth, int scrollBarWidth);

// Writes every width but the title column's as key "0", "2", "3", ...
void saveColumnWidths(IniFile& settings, int level, const std::vector<int>& widths);

}  // namespace kestrin::app
