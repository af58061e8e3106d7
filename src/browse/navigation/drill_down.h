// Down the hierarchy: the inventories of the current fond, the files of the
// current inventory, the documents of the current file. Each replaces the
// child list's filter by the parent restriction (a search on that list is
// lost). A parent without a usable key throws ParentKeyError before any list
// changes.
#pragma once

#include <string>
#include <string_view>

#include "browse/navigation/level_cursors.h"

namespace kestrin::browse {

// The inventory filter of the fond with key `fondKey`; with `heldOnly`
// ("Только в наличии") wrapped as (G15=1) AND (FOND="...").
std::string inventoriesOfFondFilter(std::string_view fondKey, bool heldOnly);

struct FondDrillOptions {
  bool heldOnly = true;         // "Только в наличии" is checked
  bool refuseEmptyFond = true;  // the NalOpis setting: a fond whose A5 is 0 is not entered
};

enum class FondDrill { shown, noInventories };

// The inventories of the current fond. With refuseEmptyFond, a fond counting
// no inventories (A5 = 0) is refused and nothing changes.
FondDrill showInventoriesOfFond(LevelCursors& cursors, FondDrillOptions options);

// The files of the current inventory, in the order of tag DELO of delo.cdx
// when the file list had no index files and the base has that file. Returns
// true when it attached the index (the file grid then marks column 0
// ascending).
bool showFilesOfInventory(LevelCursors& cursors);

// The documents of the current file; docum.cdx is attached (no tag) when the
// document list had no index files and the base has that file.
void showDocumentsOfFile(LevelCursors& cursors);

// Attaches `cdxName` from the cursor's base folder (name matched without
// letter case) when the cursor has no index files and the file exists and is
// not known damaged, and selects `tag` unless it is empty. Returns true when
// it attached the file.
bool attachIndexWhenNone(dbf::TableCursor& cursor, std::string_view cdxName, std::string_view tag,
                         const archive::DamagedIndexes* damaged = nullptr);

}  // namespace kestrin::browse
