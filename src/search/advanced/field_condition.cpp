#include "search/advanced/field_condition.h"

#include "search/text_literal.h"

namespace kestrin::search {

namespace {

bool isSeparator(char c) {
  switch (c) {
    case ' ':
    case '"':
    case ',':
    case '.':
    case ':':
    case ';':
    case '(':
    case ')':
      return true;
    default:
      return false;
  }
}

std::string comparison(std::string_view field, std::string_view value) {
  return "(" + std::string(field) + "=" + textLiteral(value) + ")";
}

std::string join(const std::vector<std::string>& pieces, std::string_view separator) {
  std::string out;
  for (const std::string& piece : pieces) {
    if (!out.empty()) out += separator;
    out += piece;
  }
  return out;
}

}  // namespace

std::vector<std::string> conditionWords(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : text) {
    if (!isSeparator(c)) {
      word += c;
      continue;
    }
    if (!word.empty()) words.push_back(std::move(word));
    word.clear();
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

std::string fieldCondition(std::string_view text, std::string_view field, FieldMode mode) {
  if (text.empty()) return {};
  switch (mode) {
    case FieldMode::Phrase:
      return comparison(field, "*" + std::string(text) + "*");
    case FieldMode::ExactValue:
      return comparison(field, text);
    default:
      break;
  }
  std::vector<std::string> pieces;
  for (const std::string& w : conditionWords(text)) {
    pieces.push_back(comparison(field, "*" + w + "*"));
    // A "*w*" pattern needs a value two characters longer than the word; the
    // value equal to it or one character longer is found by these.
    if (mode == FieldMode::AnyWordShort) {
      pieces.push_back(comparison(field, w));
      pieces.push_back(comparison(field, w + "*"));
      pieces.push_back(comparison(field, "*" + w));
    }
  }
  return join(pieces, mode == FieldMode::AllWords ? " AND " : " OR ");
}

}  // namespace kestrin::search
