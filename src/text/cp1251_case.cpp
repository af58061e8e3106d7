#include "text/cp1251_case.h"

#include <algorithm>

namespace kestrin::text {
namespace {

// Upper/lower pairs of Windows-1251 outside the two alphabets.
constexpr unsigned char kExtraPairs[][2] = {
    {0x80, 0x90},  // Ђ ђ
    {0x81, 0x83},  // Ѓ ѓ
    {0x8A, 0x9A},  // Љ љ
    {0x8C, 0x9C},  // Њ њ
    {0x8D, 0x9D},  // Ќ ќ
    {0x8E, 0x9E},  // Ћ ћ
    {0x8F, 0x9F},  // Џ џ
    {0xA1, 0xA2},  // Ў ў
    {0xA3, 0xBC},  // Ј ј
    {0xA5, 0xB4},  // Ґ ґ
    {0xA8, 0xB8},  // Ё ё
    {0xAA, 0xBA},  // Є є
    {0xAF, 0xBF},  // Ї ї
    {0xB2, 0xB3},  // І і
    {0xBD, 0xBE},  // Ѕ ѕ
};

std::array<unsigned char, 256> buildTable(bool upper) {
  std::array<unsigned char, 256> table{};
  for (int c = 0; c < 256; ++c) table[c] = static_cast<unsigned char>(c);
  auto pair = [&](int up, int low) {
    if (upper) {
      table[low] = static_cast<unsigned char>(up);
    } else {
      table[up] = static_cast<unsigned char>(low);
    }
  };
  for (int c = 'A'; c <= 'Z'; ++c) pair(c, c + 32);
  for (int c = 0xC0; c <= 0xDF; ++c) pair(c, c + 32);  // А..Я / а..я
  for (const auto& p : kExtraPairs) pair(p[0], p[1]);
  return table;
}

}  // namespace

const std::array<unsigned char, 256> kUpperTable = buildTable(true);
const std::array<unsigned char, 256> kLowerTable = buildTable(false);

std::string upper1251(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), toUpper1251);
  return out;
}

std::string lower1251(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), toLower1251);
  return out;
}

bool equalsNoCase1251(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (toUpper1251(a[i]) != toUpper1251(b[i])) return false;
  }
  return true;
}

}  // namespace kestrin::text
