#include "search/quick/level_conditions.h"

#include <vector>

#include "search/quick/query_text.h"
#include "search/text_literal.h"

namespace kestrin::search {

using archive::Level;

namespace {

using Fields = std::vector<std::string_view>;

// "(F1="*w*") OR (F2="*w*") ..."
std::string alternatives(const Fields& fields, std::string_view word) {
  std::string out;
  for (const std::string_view field : fields) {
    if (!out.empty()) out += " OR ";
    out += "(" + containsWord(field, word) + ")";
  }
  return out;
}

Fields levelFields(Level level, bool fast) {
  switch (level) {
    case Level::Fonds:
      return fast ? Fields{"FNAME", "A1"} : Fields{"FNAME", "A1", "A109", "A110"};
    case Level::Inventories:
      return fast ? Fields{"ONAME"} : Fields{"ONAME", "G45"};
    case Level::Files:
      return fast ? Fields{"L4"} : Fields{"L4", "L5"};
    case Level::Documents:
      return fast ? Fields{"T2"} : Fields{"T2", "T3"};
  }
  return {};
}

bool isWordMode(SearchMode mode) { return mode == SearchMode::AllWords || mode == SearchMode::AnyWord; }

std::string fondPiece(SearchMode mode, bool fast, std::string_view word) {
  const std::string alts = alternatives(levelFields(Level::Fonds, fast), word);
  if (mode == SearchMode::AllWords) return "AND (" + alts + ") ";
  if (mode == SearchMode::AnyWord) return fast ? " OR " + alts + " " : " OR (" + alts + ") ";
  return "AND (" + alts + ")";
}

std::string listPiece(Level level, SearchMode mode, bool fast, std::string_view word) {
  const Fields fields = levelFields(level, fast);
  const std::string alts = alternatives(fields, word);
  const std::string group = fields.size() == 1 ? alts : "(" + alts + ")";
  return (mode == SearchMode::AllWords ? "AND " : " OR ") + group + " ";
}

}  // namespace

std::string containsWord(std::string_view field, std::string_view word) {
  return std::string(field) + "=" + textLiteral("*" + std::string(word) + "*");
}

std::string equalsText(std::string_view field, std::string_view value) {
  return std::string(field) + "=" + textLiteral(value);
}

std::string textCondition(Level level, SearchMode mode, bool fast, std::string_view query) {
  if (!isWordMode(mode)) {
    if (level == Level::Fonds) return fondPiece(mode, fast, query).erase(0, 4);
    // Inventories search both fields for a phrase, fast or not.
    return alternatives(levelFields(level, fast && level != Level::Inventories), query);
  }
  std::string condition;
  for (const std::string& word : queryWords(query)) {
    condition += level == Level::Fonds ? fondPiece(mode, fast, word) : listPiece(level, mode, fast, word);
  }
  return condition.erase(0, 4);
}

std::string formerNameCondition(SearchMode mode, bool fast, std::string_view query) {
  if (fast) return {};
  const Fields fields{"C2", "C1"};
  if (!isWordMode(mode)) return "(" + alternatives(fields, query) + ")";
  std::string condition;
  for (const std::string& word : queryWords(query)) {
    if (!condition.empty()) condition += mode == SearchMode::AllWords ? " AND " : " OR ";
    condition += mode == SearchMode::AllWords ? "(" + alternatives(fields, word) + ")" : alternatives(fields, word);
  }
  return condition;
}

}  // namespace kestrin::search
