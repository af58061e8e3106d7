// The pages of the main window by index, as every part of the program names
// them: 0 fonds, 1 inventories, 2 files, 3 documents, 4 photographs, 6 About
// (5 holds nothing that is ever shown). The first four show the levels.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "archive/columns/level_columns.h"

namespace kestrin::app {

enum PageIndex : int {
  kFondPage = 0,
  kOpisPage = 1,
  kDeloPage = 2,
  kDocPage = 3,
  kPhotoPage = 4,
  kUnusedPage = 5,
  kAboutPage = 6,
  kPageCount = 7,
};

// The four levels in the order of their pages.
inline constexpr std::array<archive::Level, 4> kLevels = {archive::Level::Fonds, archive::Level::Inventories,
                                                          archive::Level::Files, archive::Level::Documents};

// Texts are Windows-1251.
struct PageInfo {
  std::string_view caption;  // the page tab
  std::string_view header;   // the header panel above the page
  bool hasTable;             // its status count comes from a level table
};

const PageInfo& pageInfo(int index);

// True for the pages of the four level tables.
inline bool isLevelPage(int index) { return index >= kFondPage && index <= kDocPage; }
// The level a page shows; nullopt for the photo, About and unused pages.
std::optional<archive::Level> levelOfPage(int page);

// Alt+Left and Alt+Right: only the level pages take part, and both wrap.
int previousLevelPage(int current);
int nextLevelPage(int current);

// Status panel 1: "Записей: 12 345", "Нет записей", or the advice to switch
// counting on when it is off.
std::string recordCountText(bool countRecords, int count);
// While a list is still being counted: its table's record count, which the
// list cannot exceed, "Записей: не более 12 345 (подсчёт...)".
std::string countingRecordsText(int atMost);

}  // namespace kestrin::app
