#include "search/quick/fond_search_prefill.h"

#include "archive/text/text_edit.h"
#include "browse/navigation/level_cursors.h"
#include "text/cp1251_literal.h"

namespace kestrin::search {

using archive::Level;
using namespace text::literals;

namespace {

// Finds the record whose KOD is `key` in the unfiltered list in record order.
bool locateByKod(dbf::TableCursor& list, const std::string& key) {
  {
    const browse::ControlsDisabled quiet(list);
    list.setFiltered(false);
    list.clearIndexFiles();
  }
  return list.locate("KOD", {key}, {});
}

std::string fieldText(const dbf::TableCursor& cursor, std::string_view field) {
  return cursor.fieldByName(field).asString();
}

bool hasRecord(const dbf::TableCursor& cursor) { return cursor.active() && !cursor.isEmpty(); }

}  // namespace

std::optional<std::string> currentFondNumber(SearchCursors& cursors, Level level) {
  if (level == Level::Files) {
    if (!hasRecord(cursors.delo) || !cursors.opis.active()) return std::nullopt;
    if (!locateByKod(cursors.opis, fieldText(cursors.delo, "OPIS"))) return std::nullopt;
    level = Level::Inventories;
  }
  if (level == Level::Inventories) {
    if (!hasRecord(cursors.opis) || !cursors.fond.active()) return std::nullopt;
    if (!locateByKod(cursors.fond, fieldText(cursors.opis, "FOND"))) return std::nullopt;
    level = Level::Fonds;
  }
  if (level != Level::Fonds || !hasRecord(cursors.fond)) return std::nullopt;
  const std::string number = archive::trimmedControls(fieldText(cursors.fond, "FKOD"));
  if (number.empty()) return std::nullopt;
  return number;
}

PrefilledBox prefillFondSearch(std::string_view boxText, int caret, std::string_view number) {
  std::string compact;
  for (const char c : number) {
    if (c != ' ') compact += c;
  }
  const std::string prefix = std::string("Ф."_cp1251) + compact;
  if (boxText.empty()) {
    const std::string text = prefix + " ";
    return {text, static_cast<int>(text.size())};
  }
  std::string text(boxText);
  const bool hasPrefix = text.size() >= 2 && text[1] == '.' && (text[0] == "Ф"_cp1251[0] || text[0] == "ф"_cp1251[0]);
  if (hasPrefix) {
    // The number that follows is taken away whole, letters and dashes too.
    const std::size_t end = std::min(text.find(' ', 2), text.size());
    text = prefix + text.substr(end);
  } else {
    text = prefix + " " + text;
  }
  return {text, caret};
}

}  // namespace kestrin::search
