// Windows-1251 text written in the source as readable UTF-8 literals and
// converted while compiling:  using namespace kestrin::text::literals;
// "мая"_cp1251 is a std::string_view of the three Windows-1251 bytes.
// A character the code page cannot hold (or that this table does not know)
// stops the compilation.
#pragma once

#include <cstddef>
#include <string_view>

namespace kestrin::text {

template <std::size_t N>
struct Cp1251Literal {
  char data[N]{};
  std::size_t size = 0;

  consteval Cp1251Literal(const char (&utf8)[N]) {  // NOLINT: implicit by design
    std::size_t i = 0;
    while (i + 1 < N) {  // the last element is the terminating zero
      const auto lead = static_cast<unsigned char>(utf8[i]);
      unsigned cp = 0;
      if (lead < 0x80) {
        cp = lead;
        i += 1;
      } else if ((lead & 0xE0) == 0xC0) {
        cp = ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
        i += 2;
      } else if ((lead & 0xF0) == 0xE0) {
        cp = ((lead & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
             (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
        i += 3;
      } else {
        throw "four-byte UTF-8 sequences have no Windows-1251 form";
      }
      data[size++] = static_cast<char>(encode(cp));
    }
  }

  constexpr std::string_view view() const { return {data, size}; }

 private:
  static consteval unsigned char encode(unsigned cp) {
    if (cp < 0x80) return static_cast<unsigned char>(cp);
    if (cp >= 0x0410 && cp <= 0x044F) return static_cast<unsigned char>(0xC0 + (cp - 0x0410));
    switch (cp) {
      case 0x0401:
        return 0xA8;  // Ё
      case 0x0451:
        return 0xB8;  // ё
      case 0x2116:
        return 0xB9;  // №
      case 0x00AB:
        return 0xAB;  // «
      case 0x00BB:
        return 0xBB;  // »
      case 0x2013:
        return 0x96;  // en dash
      case 0x2014:
        return 0x97;  // em dash
      case 0x201C:
        return 0x93;  // left double quotation mark
      case 0x201D:
        return 0x94;  // right double quotation mark
      default:
        throw "character without a Windows-1251 form in this table";
    }
  }
};

namespace literals {

template <Cp1251Literal L>
constexpr std::string_view operator""_cp1251() {
  return L.view();
}

}  // namespace literals

// Single characters of the code page that the formatting rules name.
inline constexpr char kNumberSign = '\xB9';       // №
inline constexpr char kEnDash = '\x96';           // –
inline constexpr char kLeftGuillemet = '\xAB';    // «
inline constexpr char kRightGuillemet = '\xBB';   // »
inline constexpr char kLeftDoubleQuote = '\x93';  // “

}  // namespace kestrin::text
