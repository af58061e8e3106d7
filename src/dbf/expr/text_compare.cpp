#include "dbf/expr/text_compare.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "text/cp1251_case.h"
#include "text/trims.h"

namespace kestrin::dbf {
namespace {

// Primary weight (alphabet position, the same for both cases) and whether the
// byte is a capital letter, for every Windows-1251 byte.
struct CollationTables {
  std::array<std::uint16_t, 256> primary{};
  std::array<std::uint8_t, 256> upper{};
};

CollationTables buildCollation() {
  CollationTables t;
  std::uint16_t next = 1;
  std::array<bool, 256> placed{};
  auto place = [&](unsigned char c) {
    t.primary[c] = next;
    placed[c] = true;
  };
  // Controls and every byte that is neither digit nor letter, in code order.
  auto isLetterOrDigit = [](int c) {
    return (c >= '0' && c <= '9') || text::kUpperTable[static_cast<std::size_t>(c)] != c ||
           text::kLowerTable[static_cast<std::size_t>(c)] != c;
  };
  for (int c = 0; c < 256; ++c) {
    if (!isLetterOrDigit(c)) {
      place(static_cast<unsigned char>(c));
      ++next;
    }
  }
  for (int c = '0'; c <= '9'; ++c) {
    place(static_cast<unsigned char>(c));
    ++next;
  }
  auto letter = [&](unsigned char lower) {
    place(lower);
    const unsigned char up = text::kUpperTable[lower];
    place(up);
    t.upper[up] = 1;
    ++next;
  };
  for (int c = 'a'; c <= 'z'; ++c) letter(static_cast<unsigned char>(c));
  // Cyrillic lower-case letters in alphabetical order; the letters of other
  // Slavic alphabets stand next to their nearest Russian letter.
  static constexpr unsigned char kCyrillic[] = {0xE0, 0xE1, 0xE2, 0xE3, 0xB4, 0x83, 0xE4, 0x90, 0xE5, 0xBA, 0xE6, 0xE7,
                                                0xBE, 0xE8, 0xB3, 0xBF, 0xE9, 0xBC, 0xEA, 0x9D, 0xEB, 0x9A, 0xEC, 0xED,
                                                0x9C, 0xEE, 0xEF, 0xF0, 0xF1, 0xF2, 0x9E, 0xF3, 0xA2, 0xF4, 0xF5, 0xF6,
                                                0xF7, 0x9F, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF};
  for (const unsigned char c : kCyrillic) {
    letter(c);
    if (c == 0xE5) {  // ё sorts with е
      --next;
      letter(0xB8);
    }
  }
  // Anything the lists above missed (letters without a place) goes last.
  for (int c = 0; c < 256; ++c) {
    if (!placed[static_cast<std::size_t>(c)]) {
      place(static_cast<unsigned char>(c));
      t.upper[static_cast<std::size_t>(c)] = text::kLowerTable[static_cast<std::size_t>(c)] != c;
      ++next;
    }
  }
  return t;
}

const CollationTables& collation() {
  static const CollationTables tables = buildCollation();
  return tables;
}

inline unsigned char byteAt(std::string_view s, std::size_t i, const text::FoldTable& fold) {
  return fold[static_cast<unsigned char>(s[i])];
}

bool equalFolded(std::string_view a, std::string_view b, const text::FoldTable& fold) {
  if (a.size() != b.size()) return false;
  if (&fold == &text::identityFold()) return a == b;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (byteAt(a, i, fold) != byteAt(b, i, fold)) return false;
  }
  return true;
}

int sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

int collateTexts(std::string_view a, std::string_view b, const text::FoldTable& fold) {
  const CollationTables& t = collation();
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int d = t.primary[byteAt(a, i, fold)] - t.primary[byteAt(b, i, fold)];
    if (d != 0) return sign(d);
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  for (std::size_t i = 0; i < n; ++i) {
    const int d = t.upper[byteAt(a, i, fold)] - t.upper[byteAt(b, i, fold)];
    if (d != 0) return sign(d);
  }
  for (std::size_t i = 0; i < n; ++i) {
    const int d = byteAt(a, i, fold) - byteAt(b, i, fold);
    if (d != 0) return sign(d);
  }
  return 0;
}

TextComparer::TextComparer(bool caseInsensitive, bool partialCompare)
    : fold_(caseInsensitive ? &text::kUpperTable : &text::identityFold()), partial_(partialCompare) {}

TextComparer::RightSide TextComparer::analyse(std::string_view trimmedRight) const {
  RightSide r;
  r.text = trimmedRight;
  if (!partial_ || trimmedRight.empty()) return r;
  if (trimmedRight.front() != '*' && trimmedRight.back() != '*') return r;
  r.pattern = true;
  std::string_view p = trimmedRight;
  const bool leading = p.front() == '*';
  if (leading) {
    if (p.size() == 1) {
      r.matchesAll = true;
      return r;
    }
    p.remove_prefix(1);
  }
  if (p.back() == '*') {
    if (p.size() == 1) {
      r.matchesAll = true;
      return r;
    }
    p.remove_suffix(1);
  }
  r.core = p;
  r.masked = !leading && p.find('?') != std::string_view::npos;
  return r;
}

void TextComparer::prepareRightLiteral(std::string_view literal) {
  hasLiteral_ = true;
  literalEmpty_ = literal.empty();
  literal_ = analyse(text::trimControlsRight(literal));
  if (literal_.pattern && !literal_.matchesAll) searcher_.prepare(literal_.core, *fold_);
}

bool TextComparer::matches(std::string_view value, const RightSide& right, bool prepared) {
  // The whole pattern, asterisks included, must fit into the value.
  if (right.text.size() > value.size()) return false;
  if (right.matchesAll) return true;
  std::string_view hay = value;
  if (right.masked) {
    // Counted from the start of the value: where the pattern holds "?", the
    // value's character counts as "?".
    masked_.assign(value);
    for (std::size_t i = 0; i < right.core.size(); ++i) {
      if (right.core[i] == '?') masked_[i] = '?';
    }
    hay = masked_;
  }
  if (!prepared) searcher_.prepare(right.core, *fold_);
  return searcher_.foundIn(hay);
}

int TextComparer::compare(const ExprValue& left, const ExprValue& right, bool equalityOnly) {
  const std::string_view l = left.asText();
  const bool leftEmpty = l.empty();
  const bool rightEmpty = hasLiteral_ ? literalEmpty_ : right.asText().empty();
  if (leftEmpty || rightEmpty) {
    if (leftEmpty && rightEmpty) return 0;
    return leftEmpty ? -1 : 1;
  }
  const std::string_view value = text::trimControlsRight(l);
  RightSide computed;
  const RightSide& r = hasLiteral_ ? literal_ : (computed = analyse(text::trimControlsRight(right.asText())));
  if (r.pattern) return matches(value, r, hasLiteral_) ? 0 : -1;
  if (equalityOnly) return equalFolded(value, r.text, *fold_) ? 0 : 1;
  return collateTexts(value, r.text, *fold_);
}

}  // namespace kestrin::dbf
