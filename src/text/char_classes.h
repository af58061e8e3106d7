// Character classes of Windows-1251 text used by the formatting rules.
// Each takes the character code 0..255, or kNoChar for a position outside the
// text, which belongs to no class.
#pragma once

namespace kestrin::text::chars {

inline constexpr int kNoChar = -1;

inline constexpr int kYoUpper = 0xA8;  // Ё
inline constexpr int kYoLower = 0xB8;  // ё

constexpr bool isDigit(int c) { return c >= '0' && c <= '9'; }
constexpr bool isLatin(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// А..я and Ё, ё.
constexpr bool isCyrillic(int c) { return c >= 0xC0 || c == kYoUpper || c == kYoLower; }
// А..Я and Ё.
constexpr bool isUpperCyrillic(int c) { return (c >= 0xC0 && c <= 0xDF) || c == kYoUpper; }
// А..Я without Ё.
constexpr bool isUpperCyrillicAToYa(int c) { return c >= 0xC0 && c <= 0xDF; }
// а..я and ё.
constexpr bool isLowerCyrillic(int c) { return c >= 0xE0 || c == kYoLower; }
// а..я without ё: the letters of a month word in a date text.
constexpr bool isLowerCyrillicAToYa(int c) { return c >= 0xE0; }

constexpr bool isLetter(int c) { return isLatin(c) || isCyrillic(c); }
constexpr bool isAlphanumeric(int c) { return isDigit(c) || isLetter(c); }

// Codes 0..32: blanks and control characters, trimmed at the ends of texts.
constexpr bool isBlankOrControl(int c) { return c >= 0 && c <= 32; }

}  // namespace kestrin::text::chars
