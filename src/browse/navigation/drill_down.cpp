#include "browse/navigation/drill_down.h"

#include "archive/model/code_tables.h"
#include "browse/navigation/parent_key.h"
#include "dbf/base/file_name.h"
#include "dbf/cursor/table_path.h"

namespace kestrin::browse {

std::string inventoriesOfFondFilter(std::string_view fondKey, bool heldOnly) {
  const std::string restriction = parentRestriction("FOND", fondKey);
  if (!heldOnly) return restriction;
  return "(" + std::string(archive::kInventoriesPresentFilter) + ") AND (" + restriction + ")";
}

FondDrill showInventoriesOfFond(LevelCursors& cursors, FondDrillOptions options) {
  if (options.refuseEmptyFond && cursors.fond.active() && !cursors.fond.isEmpty() &&
      cursors.fond.fieldByName("A5").asInteger() == 0) {
    return FondDrill::noInventories;
  }
  const std::string key = parentKeyOf(cursors.fond);
  setListFilter(cursors.opis, inventoriesOfFondFilter(key, options.heldOnly));
  return FondDrill::shown;
}

bool showFilesOfInventory(LevelCursors& cursors) {
  const std::string key = parentKeyOf(cursors.opis);
  const bool attached = attachIndexWhenNone(cursors.delo, "delo.cdx", "DELO", cursors.damagedIndexes);
  setChildListFilter(cursors.delo, parentRestriction("OPIS", key), true);
  return attached;
}

void showDocumentsOfFile(LevelCursors& cursors) {
  const std::string key = parentKeyOf(cursors.delo);
  attachIndexWhenNone(cursors.doc, "docum.cdx", "", cursors.damagedIndexes);
  setChildListFilter(cursors.doc, parentRestriction("DELO", key), true);
}

bool attachIndexWhenNone(dbf::TableCursor& cursor, std::string_view cdxName, std::string_view tag,
                         const archive::DamagedIndexes* damaged) {
  if (!cursor.indexFiles().empty() || cursor.databaseName().empty()) return false;
  if (damaged && damaged->contains(cdxName)) return false;
  const std::string folder = dbf::databaseFolder(cursor.databaseName());
  const std::string name(cdxName);
  if (!dbf::fileExistsNoCase(folder, name)) return false;
  cursor.addIndexFile(dbf::resolveFileNoCase(folder, name));
  if (!tag.empty()) cursor.setIndexName(std::string(tag));
  return true;
}

}  // namespace kestrin::browse
