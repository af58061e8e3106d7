// The tables of the main window: nine cursors on the base folder, all
// read-only and shared, opened at start and whenever the base folder changes.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/columns/level_columns.h"
#include "archive/model/damaged_indexes.h"
#include "dbf/cursor/table_cursor.h"

namespace kestrin::app {

// A table of the base that did not open, or opened only without its index.
struct OpenFailure {
  std::string file;        // "FOND.DBF"; the index file's name when only it failed
  bool indexOnly = false;  // the table is open, in record order
  std::string message;     // the engine's message
};

// The person's first line about a failure (Windows-1251): the file and what
// can be done; the engine's message goes below it.
std::string openFailureText(const OpenFailure& failure);
// The status line for a memo file of `tableName` ("DELO.DBF") that is missing
// or damaged while its list shows: the texts from it are left out.
std::string memoFaultText(const std::string& tableName);

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

  // What the last opening could not open, in the order met.
  std::vector<OpenFailure> openFailures;
  // Index files found damaged since the last opening; never attached again.
  archive::DamagedIndexes damagedIndexes;

  // In the order they are closed and pointed at a new folder.
  std::array<dbf::TableCursor*, 9> all();
  // The cursor of a level: fond, opis, delo or doc.
  dbf::TableCursor& level(archive::Level level);
  // The failure that left `table` closed; null when there is none.
  const OpenFailure* tableFailure(const dbf::TableCursor& table) const;
};

// Receives the progress texts (Windows-1251) of the opening.
using StatusSink = std::function<void(std::string_view)>;

// Closes every table, points it at `baseFolder` and opens those whose files
// exist there, reporting progress. A table that cannot be opened stays closed
// and the others still open; a table whose index file cannot be used opens
// in record order. Each such failure is kept in `tables.openFailures`.
void openBaseTables(BaseTables& tables, const std::string& baseFolder, const StatusSink& status);

// A damaged index file met while the program runs: the level tables using the
// file that `engineMessage` names drop their index files and show in record
// order. `file` is empty when no level table uses such a file; `firstTime`
// tells whether it was not known damaged before (it is reported once).
struct DroppedIndex {
  std::string file;
  bool firstTime = false;
};
DroppedIndex dropDamagedIndex(BaseTables& tables, std::string_view engineMessage);

// Removes from `cursor` the index files that lie in a folder other than
// `baseFolder` (names without a folder are the table's own and stay).
void dropIndexFilesOfOtherFolders(dbf::TableCursor& cursor, const std::string& baseFolder);

}  // namespace kestrin::app
