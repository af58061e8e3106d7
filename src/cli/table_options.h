// The table options shared by dump and count: which table, which records.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/command.h"
#include "dbf/cursor/table_cursor.h"

namespace kestrin::cli {

struct TableOptions {
  std::string table;
  std::vector<std::string> fields;
  std::string filter;
  bool hasFilter = false;
  bool caseInsensitive = false;
  bool noPartial = false;
  std::string indexFile;
  std::string tag;
  bool withDeleted = false;
};

// Reads TABLE and the options of dump (`allowFields`, which adds --fields)
// or count; throws UsageError.
TableOptions parseTableOptions(const Args& args, bool allowFields);

// A cursor, not yet open, on the table at `path` (a file name alone means
// the current folder).
std::unique_ptr<dbf::TableCursor> cursorForTablePath(const std::string& path);

// Opens a cursor on the table with the options applied (UTF-8 texts
// converted to Windows-1251).
std::unique_ptr<dbf::TableCursor> openTableCursor(const TableOptions& options);

}  // namespace kestrin::cli
