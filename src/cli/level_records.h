// The records of a level as the commands print them: one JSON object per
// visible record with the display columns the level's grid shows.
#pragma once

#include <ostream>
#include <string>

#include "archive/columns/level_columns.h"
#include "dbf/cursor/table_cursor.h"

namespace kestrin::cli {

// Prints every visible record of `cursor`, a level cursor of `level` on the
// base folder `base`, from first to eof. Every row is listed as the grid
// shows it; the first value that could not be read is thrown afterwards, so
// the exit status says the list is not whole.
void printLevelRecords(dbf::TableCursor& cursor, archive::Level level, const std::string& base, std::ostream& out);

}  // namespace kestrin::cli
