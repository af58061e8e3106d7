// The rows of a level's list as its grid shows them: one JSON object per
// visible record, the display columns and the stored fields beside them, as
// `columns` and `search` print them.
#pragma once

#include <ostream>
#include <string>

#include "archive/columns/level_columns.h"
#include "dbf/cursor/table_cursor.h"

namespace kestrin::cli {

// Prints every visible record of `cursor` (the list of `level` on the base
// folder `base`) from First to Eof. Every row is listed; a value that could
// not be read is told afterwards by throwing the engine's error.
void printLevelRows(dbf::TableCursor& cursor, archive::Level level, const std::string& base, std::ostream& out);

}  // namespace kestrin::cli
