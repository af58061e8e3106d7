#include "dbf/cdx/cdx_general_collation.h"

#include <array>

#include "text/cp1251_case.h"

namespace kestrin::dbf {

namespace {

struct GeneralTables {
  std::array<unsigned char, 256> primary{};
  std::array<unsigned char, 256> secondary{};
};

// In other code pages the weights 0, 6 and 18 stand for letters that sort as
// a pair of letters (Œ as OE, Æ as AE, Þ as TH); Windows-1251 has none of
// them, and every weight here stays clear of these three values.
constexpr unsigned char kControlWeight = 0x10;
constexpr unsigned char kBlankWeight = 0x11;
constexpr unsigned char kFirstSymbolWeight = 0x13;
constexpr unsigned char kFirstDigitWeight = 0x56;
constexpr unsigned char kFirstCyrillicWeight = 0x80;
constexpr unsigned char kUnaccented = 0x20;

void setBothCases(GeneralTables& t, unsigned char upper, unsigned char weight, unsigned char secondary = 0) {
  const unsigned char lower = text::kLowerTable[upper];
  t.primary[upper] = t.primary[lower] = weight;
  t.secondary[upper] = t.secondary[lower] = secondary;
}

GeneralTables buildTables() {
  GeneralTables t;
  for (int c = 0; c < 256; ++c) t.primary[static_cast<std::size_t>(c)] = kControlWeight;
  t.primary['\t'] = kBlankWeight;
  t.primary[' '] = kBlankWeight;
  t.primary[0xA0] = kBlankWeight;  // no-break space

  // Symbols in the order of their ASCII relatives; typographic quotes and
  // dashes share the weight of the plain character.
  const std::string_view symbols = "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~";
  unsigned char weight = kFirstSymbolWeight;
  auto nextWeight = [&weight] {
    const unsigned char w = weight++;
    if (weight == 0x20) ++weight;  // 0x20 would be lost when blanks are trimmed
    return w;
  };
  for (char c : symbols) t.primary[static_cast<unsigned char>(c)] = nextWeight();
  auto same = [&t](unsigned char c, char like) { t.primary[c] = t.primary[static_cast<unsigned char>(like)]; };
  same(0x82, '\'');
  same(0x91, '\'');
  same(0x92, '\'');
  same(0x84, '"');
  same(0x93, '"');
  same(0x94, '"');
  same(0xAB, '"');
  same(0xBB, '"');
  same(0x96, '-');
  same(0x97, '-');
  same(0xAD, '-');
  same(0x8B, '<');
  same(0x9B, '>');
  for (unsigned char c : {0x85, 0x86, 0x87, 0x88, 0x89, 0x95, 0x98, 0x99, 0xA4, 0xA6,
                          0xA7, 0xA9, 0xAC, 0xAE, 0xB0, 0xB1, 0xB5, 0xB6, 0xB7, 0xB9}) {
    t.primary[c] = nextWeight();
  }

  for (int d = 0; d < 10; ++d) {
    t.primary[static_cast<std::size_t>('0' + d)] = static_cast<unsigned char>(kFirstDigitWeight + d);
  }

  // Latin letters; the gaps are the places of letters with their own weight
  // in other code pages.
  const std::array<unsigned char, 26> latin = {0x60, 0x61, 0x62, 0x64, 0x66, 0x67, 0x68, 0x69, 0x6A,
                                               0x6B, 0x6C, 0x6D, 0x6E, 0x6F, 0x72, 0x73, 0x74, 0x75,
                                               0x76, 0x77, 0x78, 0x79, 0x7A, 0x7B, 0x7C, 0x7D};
  for (int i = 0; i < 26; ++i) {
    const auto upper = static_cast<unsigned char>('A' + i);
    const bool plain = std::string_view("ACEINOSUY").find(static_cast<char>(upper)) != std::string_view::npos;
    setBothCases(t, upper, latin[static_cast<std::size_t>(i)], plain ? kUnaccented : 0);
  }

  // Cyrillic letters in alphabetical order, the Ukrainian, Belarusian,
  // Serbian and Macedonian letters after their nearest Russian relative.
  const std::array<unsigned char, 46> cyrillic = {
      0xC0, 0xC1, 0xC2, 0xC3, 0xA5, 0x81, 0xC4, 0x80, 0xC5, 0xAA, 0xC6, 0xC7, 0xBD, 0xC8, 0xB2, 0xAF,
      0xC9, 0xA3, 0xCA, 0x8D, 0xCB, 0x8A, 0xCC, 0xCD, 0x8C, 0xCE, 0xCF, 0xD0, 0xD1, 0xD2, 0x8E, 0xD3,
      0xA1, 0xD4, 0xD5, 0xD6, 0xD7, 0x8F, 0xD8, 0xD9, 0xDA, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF};
  weight = kFirstCyrillicWeight;
  for (unsigned char upper : cyrillic) {
    setBothCases(t, upper, weight, upper == 0xC5 ? kUnaccented : 0);
    if (upper == 0xC5) setBothCases(t, 0xA8, weight, kUnaccented + 1);  // Ё sorts as Е
    ++weight;
  }
  return t;
}

const GeneralTables& tables() {
  static const GeneralTables t = buildTables();
  return t;
}

}  // namespace

unsigned char generalPrimaryWeight(unsigned char c) { return tables().primary[c]; }

std::string generalCollationKey(std::string_view text) {
  const GeneralTables& t = tables();
  std::string primaries;
  std::string secondaries;
  primaries.reserve(text.size());
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    primaries.push_back(static_cast<char>(t.primary[c]));
    const unsigned char s = t.secondary[c];
    if (s != 0) secondaries.push_back(static_cast<char>(s | 0xF0));
  }
  while (!secondaries.empty() && static_cast<unsigned char>(secondaries.back()) == 0xF0) {
    secondaries.pop_back();
  }
  return primaries + secondaries;
}

void restoreGeneralSecondaries(unsigned char* key, std::size_t length) {
  for (std::size_t i = length; i > 1 && key[i - 1] <= 0x0F; --i) key[i - 1] |= 0xF0;
}

}  // namespace kestrin::dbf
