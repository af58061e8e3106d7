// The tables of the main window: nine cursors on the base folder, all
// read-only and shared, opened at start and whenever the base folder changes.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "archive/columns/level_columns.h"
#include "dbf/cursor/table_cursor.h"

namespace kestrin::app {

struct BaseTables {
  BaseTables();

  dbf::TableCursor fond;       // hdsFond, FOND.DBF
  dbf::TableCursor opis;       // hdsOpis, OPIS.DBF
  dbf::TableCursor delo;       // hdsDelo, DELO.DBF
  dbf::TableCursor doc;        // hdsDoc, DOCUM.DBF
  dbf::TableCursor rename;     // hdsRename, FOND3.DBF
  dbf::TableCursor top;        // hdsTop, Opis2.DBF
  dbf::TableCursor deloPhoto;  // hdsDeloPhoto, DELO5.DBF
  dbf::TableCursor temp;       // hdsTemp, named by the lookups before use
  dbf::TableCursor rubr;       // hdsRubr, RUBRIKA2.DBF

  // In the order they are closed and pointed at a new folder.
  std::array<dbf::TableCursor*, 9> all();
  // The cursor of a level: fond, opis, delo or doc.
  dbf::TableCursor& level(archive::Level level);
};

// Receives the progress texts (Windows-1251) of the opening.
using StatusSink = std::function<void(std::string_view)>;

// Closes every table, points it at `baseFolder` and opens those whose files
// exist there, reporting progress. Engine errors propagate; tables opened
// before the failing one stay open.
void openBaseTables(BaseTables& tables, const std::string& baseFolder, const StatusSink& status);

// Removes from `cursor` the index files that lie in a folder other than
// `baseFolder` (names without a folder are the table's own and stay).
void dropIndexFilesOfOtherFolders(dbf::TableCursor& cursor, const std::string& baseFolder);

}  // namespace kestrin::app
