#include "search/advanced/level_condition.h"

#include <string_view>

#include "search/advanced/dialog_lists.h"
#include "search/advanced/field_condition.h"
#include "search/advanced/search_error.h"
#include "search/advanced/years.h"
#include "search/text_literal.h"
#include "text/cp1251_literal.h"

namespace kestrin::search {

using namespace text::literals;
using archive::Level;

namespace {

struct LevelFields {
  std::vector<std::string_view> name;
  std::vector<std::string_view> pred;
  std::vector<std::string_view> docText;
  std::string_view move;      // movement code, fonds and inventories
  std::string_view type;      // type of documentation, not documents
  std::string_view category;  // category, value or document kind
  std::string_view yearEnd;   // last year, fonds and inventories
  std::string_view yearStart;
};

const LevelFields& fieldsOf(Level level) {
  static const LevelFields kFonds{{"FNAME", "A1"}, {"A109", "A110"}, {}, "A100", "A4", "A3", "A7", "A9"};
  static const LevelFields kInventories{{"ONAME"}, {"G45"}, {}, "G15", "G1", "G2", "G3", "G5"};
  static const LevelFields kFiles{{"L4"}, {"L5"}, {}, {}, "L13", "L12", {}, {}};
  // The annotation T3 follows the annotation box, the title T2 the title box.
  static const LevelFields kDocuments{{"T2"}, {"T3"}, {"T16", "T17"}, {}, {}, "T7", {}, {}};
  switch (level) {
    case Level::Fonds:
      return kFonds;
    case Level::Inventories:
      return kInventories;
    case Level::Files:
      return kFiles;
    case Level::Documents:
      break;
  }
  return kDocuments;
}

std::string reduceBlanks(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += c;
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string number(int n) { return std::to_string(n); }

std::string yearText(std::string_view typed) {
  const auto year = yearOf(typed);
  if (!year) throw AdvancedSearchError(std::string("Неверный год: "_cp1251) + std::string(typed));
  return number(*year);
}

std::string categoryCondition(Level level, const LevelFields& f, int item) {
  switch (level) {
    case Level::Fonds:
    case Level::Inventories:
      return "(" + std::string(f.category) + "=" + number(item - 1) + ")";
    case Level::Files:
      switch (item) {
        case 1:
          return "(L12=3)";
        case 2:
          return "(L12=2)";
        case 3:
          return "(L12=1)";
        default:
          return "((L12=1) OR (L12=2))";
      }
    case Level::Documents:
      break;
  }
  const std::vector<std::string> kinds = categoryItems(Level::Documents);
  return "(T7=" + textLiteral(kinds.at(static_cast<std::size_t>(item))) + ")";
}

}  // namespace

std::string searchText(const AdvancedForm& form) {
  return form.mode == TextMode::Phrase ? form.text : reduceBlanks(form.text);
}

std::vector<std::string> textFieldAlternatives(Level level, const AdvancedForm& form) {
  const LevelFields& f = fieldsOf(level);
  const std::string t = searchText(form);
  const auto mode = static_cast<FieldMode>(form.mode);
  std::vector<std::string> out;
  const auto add = [&](bool checked, const std::vector<std::string_view>& fields) {
    if (!checked) return;
    for (const std::string_view field : fields) {
      std::string condition = fieldCondition(t, field, mode);
      if (!condition.empty()) out.push_back(std::move(condition));
    }
  };
  add(form.name, f.name);
  add(form.pred, f.pred);
  add(form.docText, f.docText);
  return out;
}

std::string levelCondition(Level level, const AdvancedForm& form, const std::vector<std::string>& lookupAlternatives) {
  const LevelFields& f = fieldsOf(level);
  const int n = static_cast<int>(level);
  std::string d;
  if (form.useText && !searchText(form).empty()) {
    std::string x;
    const auto append = [&x](const std::string& alternative) {
      if (!x.empty()) x += " OR ";
      x += alternative;
    };
    for (const std::string& alternative : textFieldAlternatives(level, form)) append(alternative);
    for (const std::string& alternative : lookupAlternatives) append(alternative);
    if (!x.empty()) d += " AND (" + x + ")";
  }
  if (n <= 1 && form.move != 0) {
    d += form.move == kMoveNotPresent ? " AND (" + std::string(f.move) + "<>1)"
                                      : " AND (" + std::string(f.move) + "=" + number(form.move) + ")";
  }
  if (n <= 2 && form.type != 0) {
    const std::string field(f.type);
    // The mixed entry selects what it names: management or personnel records.
    d += form.type == kTypeMixed ? " AND ((" + field + "=1) OR (" + field + "=4))"
                                 : " AND (" + field + "=" + number(form.type) + ")";
  }
  if (form.category != 0) d += " AND " + categoryCondition(level, f, form.category);
  if (form.useYears && n <= 1) {
    d += " AND (" + std::string(f.yearEnd) + "<=" + yearText(form.yearTo) + ") " + " AND (" + std::string(f.yearStart) +
         ">=" + yearText(form.yearFrom) + ")";
  }
  if (form.useSpecial && form.special.find_first_not_of(' ') != std::string::npos) d += " AND " + form.special;
  if (d.starts_with(" AND ")) d.erase(0, 5);
  if (d.find_first_not_of(' ') == std::string::npos) d.clear();
  return d;
}

}  // namespace kestrin::search
