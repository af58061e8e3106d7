#include "demo/demo_text.h"

#include "archive/text/text_positions.h"
#include "demo/demo_vocabulary.h"
#include "text/char_classes.h"
#include "text/cp1251_case.h"
#include "text/cp1251_literal.h"
#include "text/trims.h"

namespace kestrin::demo {
namespace {

using namespace text::literals;

using text::chars::isDigit;

// The initials of "Пётр Николаевич": "П.Н.".
std::string initialsOf(std::string_view firstNames) {
  std::string out;
  bool wordStart = true;
  for (char c : firstNames) {
    if (c == ' ') {
      wordStart = true;
    } else if (wordStart) {
      out += c;
      out += '.';
      wordStart = false;
    }
  }
  return out;
}

// "1920 г." becomes "1920г" where a year stands before it.
void yearsWithoutBlank(std::string& text) {
  const std::string_view mark = " г."_cp1251;
  for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + 1)) {
    const bool afterYear =
        at >= 4 && isDigit(text[at - 1]) && isDigit(text[at - 2]) && isDigit(text[at - 3]) && isDigit(text[at - 4]);
    if (afterYear) text.replace(at, mark.size(), "г"_cp1251);
  }
}

// "1920-1925" becomes "1920 - 1925".
void spacedYearRanges(std::string& text) {
  for (std::size_t at = text.find('-'); at != std::string::npos; at = text.find('-', at + 2)) {
    if (at >= 4 && at + 4 < text.size() && isDigit(text[at - 1]) && isDigit(text[at + 1])) {
      text.replace(at, 1, " - ");
    }
  }
}

// "П.Н. Иванов" becomes "П. Н. Иванов".
void initialsApart(std::string& text) {
  for (std::size_t at = 1; at + 2 < text.size(); ++at) {
    const auto before = static_cast<unsigned char>(text[at - 1]);
    const auto after = static_cast<unsigned char>(text[at + 1]);
    if (text[at] == '.' && text::chars::isUpperCyrillicAToYa(before) && text::chars::isUpperCyrillicAToYa(after) &&
        text[at + 2] == '.') {
      text.insert(at + 1, " ");
    }
  }
}

}  // namespace

std::string fillPattern(std::string_view pattern, std::initializer_list<std::pair<char, std::string_view>> slots) {
  std::string out;
  out.reserve(pattern.size() + 64);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}') {
      bool filled = false;
      for (const auto& [name, value] : slots) {
        if (name == pattern[i + 1]) {
          out.append(value);
          filled = true;
          break;
        }
      }
      if (filled) {
        i += 2;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}

std::string fitText(std::string_view text, std::size_t width) {
  return std::string(text::trimSpacesRight(text.substr(0, width)));
}

std::string capitalized(std::string_view text) {
  std::string out(text);
  if (!out.empty()) out[0] = text::toUpper1251(out[0]);
  return out;
}

Person randomPerson(DemoRandom& random) {
  const std::string surname(random.pick(words::surnames()));
  const bool female = random.chance(25);
  const std::string first(female ? random.pick(words::femaleFirstNames()) : random.pick(words::maleFirstNames()));
  const std::string initials = initialsOf(first);
  Person p;
  if (female) {
    const std::string feminine = surname + std::string("а"_cp1251);
    p.fullName = feminine + " " + first;
    p.withInitials = initials + " " + feminine;
    p.genitive = surname + std::string("ой"_cp1251) + " " + initials;
    p.indexForm = feminine + " " + initials;
  } else {
    p.fullName = surname + " " + first;
    p.withInitials = initials + " " + surname;
    p.genitive = surname + std::string("а"_cp1251) + " " + initials;
    p.indexForm = surname + " " + initials;
  }
  return p;
}

std::string typedCarelessly(std::string text, DemoRandom& random) {
  if (random.chance(35)) archive::replaceAllInPlace(text, ", ", ",");
  const int numberSign = random.between(1, 100);
  if (numberSign <= 30) {
    archive::replaceAllInPlace(text, "№ "_cp1251, "N");
  } else if (numberSign <= 40) {
    archive::replaceAllInPlace(text, "№ "_cp1251, "#");
  } else if (numberSign <= 45) {
    archive::replaceAllInPlace(text, "№"_cp1251, "N");
  }
  if (random.chance(30)) yearsWithoutBlank(text);
  if (random.chance(65)) {
    archive::replaceAllInPlace(text, "«"_cp1251, "\"");
    archive::replaceAllInPlace(text, "»"_cp1251, "\"");
  }
  if (random.chance(50))
    archive::replaceAllInPlace(text, "(б)"_cp1251, random.chance(50) ? " /б/"_cp1251 : "/б/"_cp1251);
  if (random.chance(15)) initialsApart(text);
  if (random.chance(15)) spacedYearRanges(text);
  if (random.chance(10)) archive::replaceAllInPlace(text, "ул. "_cp1251, "ул."_cp1251);
  if (random.chance(8)) {
    const auto blank = text.find(' ');
    if (blank != std::string::npos) text.insert(blank, " ");
  }
  return text;
}

}  // namespace kestrin::demo
