#include "search/quick/search_report.h"

#include "archive/format/text_cleanup.h"
#include "archive/text/text_edit.h"
#include "text/char_classes.h"
#include "text/cp1251_literal.h"

namespace kestrin::search {

using namespace text::literals;

namespace {

constexpr char kCr = '\r';
constexpr int kNumeroSign = 185;  // "№"

bool isPunctuation(int c) {
  return (c >= 33 && c <= 37) || (c >= 39 && c <= 47) || (c >= 58 && c <= 64) || (c >= 91 && c <= 96) ||
         (c >= 123 && c <= 126) || c == kNumeroSign;
}

std::string punctuationName(char c) {
  switch (c) {
    case '.':
      return std::string("(точки)"_cp1251);
    case ',':
      return std::string("(запятые)"_cp1251);
    case '(':
    case ')':
    case '[':
    case ']':
    case '{':
    case '}':
      return std::string("(скобки)"_cp1251);
    case '"':
    case '\'':
    case '`':
      return std::string("(кавычки)"_cp1251);
    case '/':
    case '\\':
    case '|':
      return std::string("(слэши)"_cp1251);
    default:
      return "(" + std::string(1, c) + ")";
  }
}

// A letter or digit of the rule: Latin, Cyrillic А-я, Ё, ё, 0-9.
bool isWordChar(int c) { return c >= 0 && text::chars::isAlphanumeric(c); }

bool holdsSingleCharacter(std::string_view q) {
  for (std::size_t i = 0; i < q.size(); ++i) {
    if (!isWordChar(static_cast<unsigned char>(q[i]))) continue;
    const bool before = i > 0 && isWordChar(static_cast<unsigned char>(q[i - 1]));
    const bool after = i + 1 < q.size() && isWordChar(static_cast<unsigned char>(q[i + 1]));
    if (!before && !after) return true;
  }
  return false;
}

bool holdsLatin(std::string_view q) {
  for (const char c : q) {
    if (text::chars::isLatin(static_cast<unsigned char>(c))) return true;
  }
  return false;
}

void addLine(std::string& advice, std::string_view line) {
  advice += line;
  advice += kCr;
}

}  // namespace

std::string adviceRules(const ReportInput& input) {
  const ModeButtons& b = input.buttons;
  const bool numberMode = b.isChecked(SearchMode::Number);
  std::string advice;
  if (b.checkedAndEnabled(SearchMode::AllWords))
    addLine(advice, "Попробуйте искать одно из слов вместо всех вместе."_cp1251);
  if (b.isChecked(SearchMode::Phrase) && b.allWordsEnabled) {
    addLine(advice, "Попробуйте искать все слова вместо фразы целиком (как есть)."_cp1251);
  }
  if (numberMode && input.count != 2) addLine(advice, "Попробуйте текст вместо номера."_cp1251);
  if (input.caseSensitive) {
    addLine(advice, "Попробуйте писать слова с малой буквы, тогда регистр не учитывается."_cp1251);
  }
  const std::string_view q = input.boxText;
  if (holdsLatin(q)) addLine(advice, "Попробуйте набирать текст русскими буквами вместо латинских."_cp1251);
  for (const char c : q) {
    if (!isPunctuation(static_cast<unsigned char>(c))) continue;
    advice += "Попробуйте не использовать знаки препинания "_cp1251;
    advice += punctuationName(c) + "." + kCr;
    break;
  }
  if (holdsSingleCharacter(q)) addLine(advice, "Попробуйте не использовать одиночные буквы."_cp1251);
  return advice;
}

SearchReport reportResult(const ReportInput& input) {
  SearchReport report;
  const int n = input.count;
  const bool numberMode = input.buttons.isChecked(SearchMode::Number);
  if (n >= 3) {
    report.status = "Готово. Записей: "_cp1251;
    report.status += std::to_string(n);
  } else {
    std::string advice;
    if (n == 0) {
      report.status = "Ничего не найдено."_cp1251;
      addLine(advice, "По вашему запросу ничего не найдено."_cp1251);
    } else if (n == 1) {
      report.status = "Один результат."_cp1251;
      if (!numberMode) addLine(advice, "По вашему запросу найден только один результат."_cp1251);
    } else {
      report.status = "Два результата."_cp1251;
      if (!numberMode) addLine(advice, "По вашему запросу найдено только два результата."_cp1251);
    }
    advice += adviceRules(input);
    archive::trimControls(advice);
    if (advice.find(kCr) == std::string::npos) {
      advice += kCr;
      advice += input.boxText.find(' ') != std::string::npos ? "Убедитесь, что слова написаны без опечаток."_cp1251
                                                             : "Убедитесь, что слово написано без опечаток."_cp1251;
    }
    report.advice = std::move(advice);
  }
  if (n > 0) {
    report.countText = input.countRecords || n < 3
                           ? std::string("Записей: "_cp1251) + archive::groupThousands(std::to_string(n))
                           : std::string("Более 3 записей."_cp1251);
  } else {
    report.countText = "Ничего не найдено"_cp1251;
  }
  return report;
}

std::vector<std::string> SearchReport::adviceLines() const {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= advice.size()) {
    const std::size_t end = std::min(advice.find(kCr, start), advice.size());
    if (end > start) lines.push_back(advice.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace kestrin::search
