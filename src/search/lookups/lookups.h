// The lookups of the advanced search through the auxiliary tables of the
// base: former names of fonds (FOND3.DBF), the keyword indexes of fonds and of
// files (persona, geograf, tematik) and the inventory rubricator
// (RUBRIKA2.DBF through OPIS.DBF). Each filters its table with the person's
// words and turns every match into a condition on the level table's key.
//
// A table missing from the base (or FOND3.DBF not opened at start, or a table
// that cannot be opened) is skipped and named in `skippedTables`; the search
// goes on with the rest. Each lookup switches its cursor's filter off when it
// is done, as it found it or not.
#pragma once

#include <string_view>

#include "archive/columns/level_columns.h"
#include "dbf/cursor/table_cursor.h"
#include "search/advanced/field_condition.h"
#include "search/lookups/alternatives.h"

namespace kestrin::search {

// hdsRename: C1 and C2 by the dialog's text mode; `(KOD="fond key")` per match.
void renameLookup(dbf::TableCursor& rename, std::string_view text, FieldMode mode, bool caseSensitive,
                  LookupOutput& out);

// hdsTemp over "persona1.dbf", "geograf1.dbf", "tematik1.dbf" (fonds) or the
// tables ending in 2 (files): WORD by any word, short values included;
// `(KOD="key")` per match. The cursor stays open on the last table it opened.
void keywordLookup(dbf::TableCursor& temp, std::string_view text, archive::Level level, bool caseSensitive,
                   LookupOutput& out);

// hdsRubr over "rubrika2.dbf": RUBRIKA by any word, short values included;
// the inventories found are looked up in OPIS.DBF through hdsOpis, which is
// left unfiltered; `(OPIS="inventory key")` per inventory there.
void rubricLookup(dbf::TableCursor& rubr, dbf::TableCursor& opis, std::string_view text, bool caseSensitive,
                  LookupOutput& out);

// The status text naming skipped tables; empty when none was skipped.
std::string skippedTablesStatus(const std::vector<std::string>& tables);

}  // namespace kestrin::search
