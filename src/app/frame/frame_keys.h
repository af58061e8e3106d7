// Keys of the frame that are rules of the program rather than of one control.
#pragma once

namespace kestrin::app {

// Type-to-search on the fond grid: a digit, a Latin letter, Ё, ё or a
// Cyrillic letter А..я (Windows-1251) moves to the search box.
bool startsTypeToSearch(char cp1251);

}  // namespace kestrin::app
