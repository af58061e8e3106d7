#include "support/case_names.h"

#include <array>
#include <cctype>

namespace kestrin::testing {
namespace {

constexpr std::size_t kMaxLength = 40;

// Latin spellings of а..я (U+0430..U+044F); the hard and soft signs spell nothing.
constexpr std::array<std::string_view, 32> kLowerCyrillic = {
    "a", "b", "v", "g", "d", "e", "zh", "z",  "i",  "j",    "k", "l", "m", "n", "o",  "p",
    "r", "s", "t", "u", "f", "h", "c",  "ch", "sh", "shch", "",  "y", "",  "e", "yu", "ya"};

// The Latin spelling of the code point `c`, or nothing when it has none.
std::string_view latinOf(char32_t c, bool& upper) {
  upper = false;
  if (c == U'\u0401' || c == U'\u0451') {  // Ё ё
    upper = c == U'\u0401';
    return "yo";
  }
  if (c == U'\u0407' || c == U'\u0457') {  // Ї ї
    upper = c == U'\u0407';
    return "yi";
  }
  if (c >= U'\u0410' && c <= U'\u042F') {
    upper = true;
    return kLowerCyrillic[c - U'\u0410'];
  }
  if (c >= U'\u0430' && c <= U'\u044F') return kLowerCyrillic[c - U'\u0430'];
  return {};
}

// Decodes the UTF-8 sequence at `i` and steps past it; a stray byte reads as itself.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  const unsigned char lead = byte(i);
  int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
  if (i + length > text.size()) length = 1;
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) c = (c << 6) | (byte(i + k) & 0x3F);
  i += length;
  return c;
}

// A label of no letters or digits (a blank, a lone quote) still needs a name
// that says which one it is.
std::string_view symbolName(char32_t c) {
  switch (c) {
    case ' ':
      return "blank";
    case '\t':
      return "tab";
    case '"':
      return "quote";
    case '\'':
      return "apostrophe";
    case '-':
      return "dash";
    case '.':
      return "dot";
    case ',':
      return "comma";
    case '/':
      return "slash";
    case '_':
      return "underscore";
    default:
      return "sign";
  }
}

std::string symbolsName(std::string_view label) {
  std::string name;
  for (std::size_t i = 0; i < label.size() && name.size() < kMaxLength;) {
    if (!name.empty()) name += '_';
    name += symbolName(nextCodePoint(label, i));
  }
  return name;
}

}  // namespace

std::string asciiName(std::string_view label) {
  std::string name;
  bool gap = false;
  const auto append = [&](std::string_view part, bool upper) {
    if (gap && !name.empty()) name += '_';
    gap = false;
    for (std::size_t k = 0; k < part.size(); ++k) {
      name += upper && k == 0 ? static_cast<char>(std::toupper(static_cast<unsigned char>(part[k]))) : part[k];
    }
  };
  for (std::size_t i = 0; i < label.size() && name.size() < kMaxLength;) {
    const char32_t c = nextCodePoint(label, i);
    bool upper = false;
    const std::string_view latin = latinOf(c, upper);
    if (c < 0x80 && std::isalnum(static_cast<int>(c))) {
      const char ascii = static_cast<char>(c);
      append(std::string_view(&ascii, 1), false);
    } else if (!latin.empty()) {
      append(latin, upper);
    } else if (c != U'\u044A' && c != U'\u044C' && c != U'\u042A' && c != U'\u042C') {
      gap = true;  // the signs join the letters around them; anything else parts them
    }
  }
  if (name.empty() && !label.empty()) name = symbolsName(label);
  if (name.size() > kMaxLength) name.resize(kMaxLength);
  while (!name.empty() && name.back() == '_') name.pop_back();
  return name;
}

}  // namespace kestrin::testing
