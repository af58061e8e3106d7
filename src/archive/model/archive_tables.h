// The tables of an "Архивный Фонд" base as the program reads them: one table
// cursor per table, each with a fixed list of declared fields. Those fields
// are the only ones the program reads; every other part names tables and
// fields as they are written here.
#pragma once

#include <span>
#include <string_view>

#include "dbf/cursor/field_type.h"
#include "dbf/cursor/table_cursor.h"

namespace kestrin::archive {

// The nine cursors of the main window.
enum class ArchiveCursor { Fond, Opis, Delo, Doc, Rename, Top, DeloPhoto, Rubr, Temp };

inline constexpr ArchiveCursor kAllArchiveCursors[] = {
    ArchiveCursor::Fond, ArchiveCursor::Opis,      ArchiveCursor::Delo, ArchiveCursor::Doc,  ArchiveCursor::Rename,
    ArchiveCursor::Top,  ArchiveCursor::DeloPhoto, ArchiveCursor::Rubr, ArchiveCursor::Temp,
};

struct DeclaredField {
  std::string_view name;
  dbf::FieldType type;
};

struct ArchiveTableInfo {
  std::string_view cursorName;  // "hdsFond"
  // The table file as the program spells it; empty for the keyword cursor,
  // whose table is chosen at the time of the search.
  std::string_view tableFile;
  bool exactCount;
  bool caseInsensitiveFilter;
  std::span<const DeclaredField> fields;
};

const ArchiveTableInfo& archiveTable(ArchiveCursor which);

// Declares the fields of `which` on a closed cursor, in the order listed.
// A cursor keeps its declarations for good: call this once per cursor.
void declareArchiveFields(dbf::TableCursor& cursor, ArchiveCursor which);

// Gives a new, closed cursor everything the program fixes for `which`: the
// table name, read-only shared access without deleted records, the record
// count mode, the filter options and the declared fields. The base folder
// (DatabaseName) is set by whoever opens the tables.
void setUpArchiveCursor(dbf::TableCursor& cursor, ArchiveCursor which);

}  // namespace kestrin::archive
