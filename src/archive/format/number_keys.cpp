#include "archive/format/number_keys.h"

#include <algorithm>

#include "archive/format/text_cleanup.h"
#include "archive/text/text_edit.h"
#include "text/char_classes.h"
#include "text/trims.h"

namespace kestrin::archive {
namespace {

std::string trimmedSpaces(std::string_view text) { return std::string(text::trimSpaces(text)); }

bool lastIsDigit(std::string_view text) { return text::chars::isDigit(charAt(text, length(text))); }

// A trailing digit gets an empty letter position; a digit before the last
// character gets a second one (12 → "12  ", 12а → "12а ").
void appendLetterPositions(std::string& number) {
  if (lastIsDigit(number)) number.push_back(' ');
  if (text::chars::isDigit(charAt(number, length(number) - 1))) number.push_back(' ');
}

}  // namespace

std::string fondNumberKey(std::string_view typed) {
  std::string text = trimmedControls(typed);
  if (text.empty()) return std::string(8, ' ');
  if (lastIsDigit(text)) text.push_back(' ');
  if (text::chars::isDigit(charAt(text, 1))) return rightAligned(text, 8);
  // A letter prefix, typed with or without its hyphen.
  const std::size_t numberStart = charIs(text, 2, '-') ? 2 : 1;
  const std::string_view number = std::string_view(text).substr(std::min(numberStart, text.size()), 8);
  return text.substr(0, 1) + "-" + rightAligned(number, 6);
}

std::string inventoryNumberKey(std::string_view typed) {
  std::string text = collapseSpaces(trimmedSpaces(typed));
  const auto space = text.find(' ');
  if (space != std::string::npos) text[space] = '.';

  std::string number = text;
  std::string volume;
  const auto dot = text.find('.');
  if (dot != std::string::npos) {
    number = text.substr(0, dot);
    volume = text.substr(dot + 1);
  }
  appendLetterPositions(number);
  if (volume.size() < 3) volume.resize(3, ' ');
  return rightAligned(number, 5) + volume;
}

std::string fileNumberKey(std::string_view typed) {
  std::string number = trimmedSpaces(typed);
  appendLetterPositions(number);
  return rightAligned(number, 10);
}

std::string rightAligned(std::string_view text, std::size_t width) {
  std::string out;
  if (text.size() < width) out.assign(width - text.size(), ' ');
  out.append(text);
  return out;
}

}  // namespace kestrin::archive
