// The level pages of the main window by index, as every part of the program
// names them: 0 fonds, 1 inventories, 2 files, 3 documents, 4 photographs,
// 6 About (5 holds nothing that is ever shown).
#pragma once

#include <string>
#include <string_view>

namespace kestrin::browse {

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

// Texts are Windows-1251.
struct PageInfo {
  std::string_view caption;  // the page tab
  std::string_view header;   // the header panel above the page
  bool hasTable;             // its status count comes from a level table
};

const PageInfo& pageInfo(int index);

// True for the pages of the four level tables.
inline bool isLevelPage(int index) { return index >= kFondPage && index <= kDocPage; }

// Alt+Left and Alt+Right: only the level pages take part, and both wrap.
int previousLevelPage(int current);
int nextLevelPage(int current);

// Status panel 1: "Записей: 12 345", "Нет записей", or the advice to switch
// counting on when it is off.
std::string recordCountText(bool countRecords, int count);

}  // namespace kestrin::browse
