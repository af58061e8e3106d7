// Case mapping of Windows-1251 text. The tables hold the letter pairs of the
// code page (Latin, Cyrillic with ё/Ё and the other Cyrillic pairs) and do not
// depend on the user's locale: every case-insensitive operation of the program
// goes through them.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kestrin::text {

extern const std::array<unsigned char, 256> kUpperTable;
extern const std::array<unsigned char, 256> kLowerTable;

inline char toUpper1251(char c) { return static_cast<char>(kUpperTable[static_cast<unsigned char>(c)]); }
inline char toLower1251(char c) { return static_cast<char>(kLowerTable[static_cast<unsigned char>(c)]); }

std::string upper1251(std::string_view text);
std::string lower1251(std::string_view text);

// True when both texts have equal upper-case forms.
bool equalsNoCase1251(std::string_view a, std::string_view b);

}  // namespace kestrin::text
