#include "browse/navigation/cross_navigation.h"

#include "browse/navigation/parent_key.h"
#include "text/trims.h"

namespace kestrin::browse {

std::string keyAlternatives(dbf::TableCursor& listed, std::string_view referenceField) {
  if (!listed.active()) return {};
  const dbf::CursorField& field = listed.fieldByName(referenceField);
  std::string alternatives;
  std::string previous;
  const ControlsDisabled quiet(listed);
  for (listed.first(); !listed.isEmpty() && !listed.eof(); listed.next()) {
    std::string value = field.asString();
    // A blank reference would be KOD="", which every key begins with.
    if (value != previous && !text::trimSpaces(value).empty()) {
      if (!alternatives.empty()) alternatives += " OR ";
      alternatives += parentRestriction("KOD", value);
    }
    previous = std::move(value);
  }
  return alternatives;
}

void showFondsOfInventories(LevelCursors& cursors) {
  setListFilter(cursors.fond, keyAlternatives(cursors.opis, "FOND"));
}

void showInventoriesOfFiles(LevelCursors& cursors) {
  setListFilter(cursors.opis, keyAlternatives(cursors.delo, "OPIS"));
}

void showFondsOfFiles(LevelCursors& cursors) {
  showInventoriesOfFiles(cursors);
  showFondsOfInventories(cursors);
}

}  // namespace kestrin::browse
