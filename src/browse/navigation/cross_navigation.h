// Up and across the hierarchy: the fonds of the listed inventories, the
// inventories of the listed files, and the fonds of the listed files. The
// parent list is filtered to the alternatives KOD="..." built from the
// listed records' reference fields, in list order. The "Только в наличии"
// restriction is not added.
#pragma once

#include <string>
#include <string_view>

#include "browse/navigation/level_cursors.h"

namespace kestrin::browse {

// Walks `listed` from First to its end in its current order and filter and
// joins KOD="<value>" with " OR " for the text of `referenceField` of each
// record, skipping a value equal to the one before it (values repeated
// further apart appear again). A record whose reference is blank names no
// parent and is passed over. Empty when nothing is listed. The cursor is
// left at the end of its list; the grids hear of it once, at the end.
std::string keyAlternatives(dbf::TableCursor& listed, std::string_view referenceField);

// hdsFond filtered to the fonds of the inventories listed in hdsOpis.
void showFondsOfInventories(LevelCursors& cursors);

// hdsOpis filtered to the inventories of the files listed in hdsDelo.
void showInventoriesOfFiles(LevelCursors& cursors);

// Both in turn: the inventories of the listed files, then the fonds of those.
void showFondsOfFiles(LevelCursors& cursors);

}  // namespace kestrin::browse
