#include "app/column_widths.h"

#include <algorithm>
#include <string>

namespace kestrin::app {

std::string_view columnSection(int level) {
  static constexpr std::string_view kSections[] = {"FondColumns", "OpisColumns", "DeloColumns", "DocColumns"};
  return kSections[std::clamp(level, 0, 3)];
}

std::vector<int> restoredColumnWidths(const IniFile& settings, int level, const std::vector<int>& current,
                                      int gridWidth, int scrollBarWidth) {
  std::vector<int> widths = current;
  int room = gridWidth - scrollBarWidth;
  for (std::size_t i = 0; i < widths.size(); ++i) {
    if (static_cast<int>(i) == kTitleColumn) continue;
    const int stored = settings.readInteger(columnSection(level), std::to_string(i), current[i]);
    widths[i] = std::clamp(stored, kMinStoredWidth, kMaxStoredWidth);
    room -= widths[i];
  }
  if (widths.size() > static_cast<std::size_t>(kTitleColumn)) widths[kTitleColumn] = room;
  return widths;
}

void saveColumnWidths(IniFile& settings, int level, const std::vector<int>& widths) {
  for (std::size_t i = 0; i < widths.size(); ++i) {
    if (static_cast<int>(i) == kTitleColumn) continue;
    settings.writeInteger(columnSection(level), std::to_string(i), widths[i]);
  }
}

}  // namespace kestrin::app
