#include "archive/title/title_character_pass.h"

#include <algorithm>
#include <string_view>

#include "archive/format/numbers.h"
#include "archive/format/text_cleanup.h"
#include "archive/text/text_edit.h"
#include "text/char_classes.h"
#include "text/cp1251_literal.h"

namespace kestrin::archive::detail {
namespace {

using namespace text::chars;
using namespace text::literals;

constexpr char kQuote = '"';

// The rules read the title through these: positions outside it hold no
// character, which belongs to no class and equals no character.
class Title {
 public:
  explicit Title(std::string& text) : t_(text) {}

  int at(Pos p) const { return charAt(t_, p); }
  bool is(Pos p, char c) const { return charIs(t_, p, c); }
  bool exists(Pos p) const { return at(p) != kNoChar; }
  bool isAnyOf(Pos p, std::string_view set) const {
    return exists(p) && set.find(static_cast<char>(at(p))) != std::string_view::npos;
  }
  // A character is there and it is none of `set`.
  bool isOtherThan(Pos p, std::string_view set) const { return exists(p) && !isAnyOf(p, set); }
  Pos size() const { return length(t_); }

  void set(Pos p, char c) { t_[static_cast<std::size_t>(p - 1)] = c; }
  void insertSpace(Pos p) { insertAt(t_, p, " "); }
  void erase(Pos p) { deleteRange(t_, p, 1); }
  // The characters strictly between positions `after` and `before`.
  std::string between(Pos after, Pos before) const {
    const Pos from = std::max<Pos>(after + 1, 1);
    const Pos to = std::min(before - 1, size());
    return from > to ? std::string{}
                     : t_.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from + 1));
  }

 private:
  std::string& t_;
};

const std::string_view kQuoteOpeners = " \"(\x93\xAB";  // space, ", (, “, «

bool inNumberRun(const Title& t, Pos p) { return t.isAnyOf(p, " ,") || isDigit(t.at(p)); }

// Rule for ",": a space goes after a comma unless the comma sits inside a
// number such as 1,5 (read as a decimal mark with either separator).
void spaceAfterComma(Title& t, Pos i, Pos bound) {
  Pos e = 1;
  for (Pos j = i; j >= 2; --j) {
    if (!inNumberRun(t, j)) {
      e = j;
      break;
    }
  }
  Pos f = bound;
  for (Pos j = i; j <= bound - 1; ++j) {
    if (!inNumberRun(t, j)) {
      f = j;
      break;
    }
  }
  if (toFloatLenient(removeSpaces(t.between(e, f))) == 0.0) t.insertSpace(i + 1);
}

bool digitOrNumberSign(const Title& t, Pos p) { return isDigit(t.at(p)) || t.is(p, text::kNumberSign); }

// "N" standing for the number sign: before a number ("N5", "N 5", "N б-5")
// and not inside a Latin word.
void numberSignFromN(Title& t, Pos i) {
  const bool beforeNumber = digitOrNumberSign(t, i + 1) || digitOrNumberSign(t, i + 2) ||
                            (t.size() >= i + 4 && isCyrillic(t.at(i + 2)) && t.is(i + 3, '-') && isDigit(t.at(i + 4)));
  const bool notInLatinWord = !isLatin(t.at(i - 1)) || t.is(i - 1, 'N');
  if (beforeNumber && notInLatinWord) t.set(i, text::kNumberSign);
}

// After "№", a space after every comma of the list of numbers that follows.
void spaceAfterListCommas(Title& t, Pos i) {
  for (Pos j = i + 1; j < t.size() && inNumberRun(t, j);) {
    if (t.is(j, ',')) {
      t.insertSpace(j + 1);
      j += 2;
    } else {
      ++j;
    }
  }
}

// "." followed by a capital letter: a space after the period, except between
// initials; "И.Петров" gets one after its initial.
void periodBeforeCapital(Title& t, Pos i, Pos bound) {
  if (!isUpperCyrillic(t.at(i - 1))) t.insertSpace(i + 1);
  if (i > 1 && i < bound - 2 && isLowerCyrillic(t.at(i + 2)) && isUpperCyrillic(t.at(i - 1))) {
    const bool secondInitial = i > 3 && t.is(i - 2, '.') && isUpperCyrillic(t.at(i - 3));
    if (secondInitial || i == 2 || t.isAnyOf(i - 2, " \"!()-?")) t.insertSpace(i + 1);
  }
}

// т.д, т.п, т.ч and г.р keep their periods tight.
bool isTightAbbreviation(const Title& t, Pos i) {
  constexpr auto letter = [](std::string_view cp1251) { return static_cast<unsigned char>(cp1251[0]); };
  const int before = t.at(i - 1);
  const int after = t.at(i + 1);
  if (before == letter("т"_cp1251)) {
    return after == letter("д"_cp1251) || after == letter("п"_cp1251) || after == letter("ч"_cp1251);
  }
  return before == letter("г"_cp1251) && after == letter("р"_cp1251);
}

void hyphenSpacing(Title& t, Pos i) {
  if (i > 2 && t.is(i - 1, ' ') && isDigit(t.at(i - 2)) && isDigit(t.at(i + 1))) t.erase(i - 1);  // 5 -7
  if (!t.is(i, '-')) return;
  if (isDigit(t.at(i - 1)) && t.is(i + 1, ' ') && isDigit(t.at(i + 2))) t.erase(i + 1);  // 5- 7
  if (i > 2 && t.is(i - 1, ' ') && isLowerCyrillic(t.at(i - 2)) && isUpperCyrillic(t.at(i + 1))) {
    t.insertSpace(i + 1);
  }
  if (isLowerCyrillic(t.at(i - 1)) && t.is(i + 1, ' ') && isUpperCyrillic(t.at(i + 2))) t.insertSpace(i);
  if (!t.is(i, '-')) return;
  if (i > 2 && t.is(i - 1, ' ') && t.isAnyOf(i - 2, "),.") && t.isOtherThan(i + 1, " ")) t.insertSpace(i + 1);
}

}  // namespace

void titleCharacterPass(std::string& text, Pos bound) {
  Title t(text);
  for (Pos i = bound - 1; i >= 2; --i) {
    if (t.is(i, ')') && t.isOtherThan(i + 1, " \",.")) t.insertSpace(i + 1);
    if (t.is(i, '(') && t.isOtherThan(i + 1, " \"")) t.insertSpace(i);
    if (t.is(i, ',') && t.isOtherThan(i + 1, " ")) spaceAfterComma(t, i, bound);
    if (t.is(i, 'N')) numberSignFromN(t, i);
    if (t.is(i, text::kNumberSign) && t.isOtherThan(i + 1, " \xB9")) t.insertSpace(i + 1);
    if (t.is(i, text::kNumberSign) && t.isOtherThan(i - 1, kQuoteOpeners)) t.insertSpace(i);
    if (t.is(i, text::kNumberSign)) spaceAfterListCommas(t, i);
    if (t.is(i, '/')) {
      if (t.is(i - 1, ' ') && t.isOtherThan(i + 1, "/ ")) {
        t.set(i, '(');
      } else if (t.is(i + 1, ' ') && t.isOtherThan(i - 1, "/ ")) {
        t.set(i, ')');
      }
    }
    if (t.is(i, '.') && isUpperCyrillic(t.at(i + 1))) periodBeforeCapital(t, i, bound);
    if (t.is(i, '.') && i > 2 && t.is(i - 1, ' ') &&
        (t.is(i - 2, kQuote) || isDigit(t.at(i - 2)) || isCyrillic(t.at(i - 2)))) {
      t.erase(i - 1);
    }
    // Initials written apart (И. О.) are joined.
    if (!(i != 2 && isUpperCyrillic(t.at(i - 2))) && isUpperCyrillicAToYa(t.at(i - 1)) && t.is(i, '.') &&
        t.is(i + 1, ' ') && isUpperCyrillic(t.at(i + 2)) && t.is(i + 3, '.')) {
      t.erase(i + 1);
    }
    if (t.is(i, '.') && (isDigit(t.at(i + 1)) || isLowerCyrillic(t.at(i + 1))) && isCyrillic(t.at(i - 1)) &&
        !isTightAbbreviation(t, i)) {
      t.insertSpace(i + 1);
    }
    if (t.is(i, ';') && t.isOtherThan(i + 1, " ")) t.insertSpace(i + 1);
    if (t.is(i, ':') && t.isOtherThan(i + 1, " ")) t.insertSpace(i + 1);
    if (t.is(i, '-')) hyphenSpacing(t, i);
    // 1920г. → 1920 г.
    if (isDigit(t.at(i - 1)) && isDigit(t.at(i)) && isCyrillic(t.at(i + 1)) && t.size() >= i + 2 &&
        (t.is(i + 2, '.') || isCyrillic(t.at(i + 2)))) {
      t.insertSpace(i + 1);
    }
    if (i < t.size() && isCyrillic(t.at(i)) && isDigit(t.at(i + 1))) t.insertSpace(i + 1);
  }
}

}  // namespace kestrin::archive::detail
