// "Найти!" in the card's menu without a selection searches for the Cyrillic
// word the caret stands in.
#pragma once

#include <string>
#include <string_view>

namespace kestrin::browse {

// The run of Cyrillic letters (А..я, Ё, ё) around `caret` (0 = before the
// first character of `text`, Windows-1251): the scan goes left from the
// caret over Cyrillic letters, then takes the letters from there on. Empty
// when the caret touches no Cyrillic word on its left and the character
// after it is not Cyrillic.
std::string cyrillicWordAt(std::string_view text, int caret);

}  // namespace kestrin::browse
