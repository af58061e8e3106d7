#include "search/lookups/lookups.h"

#include <array>
#include <exception>

#include "browse/navigation/level_cursors.h"
#include "dbf/base/file_name.h"
#include "dbf/cursor/table_path.h"
#include "text/cp1251_literal.h"

namespace kestrin::search {

using namespace text::literals;

namespace {

dbf::FilterOptions optionsFor(bool caseSensitive) { return {.caseInsensitive = !caseSensitive}; }

// Filters `cursor` with `condition`, calls `visit` for each record it keeps,
// and switches the filter off again whatever happens.
template <class Visit>
void walkFiltered(dbf::TableCursor& cursor, const std::string& condition, bool caseSensitive, Visit visit) {
  const browse::ControlsDisabled quiet(cursor);
  struct FilterOff {
    dbf::TableCursor& cursor;
    ~FilterOff() {
      try {
        cursor.setFiltered(false);
      } catch (const std::exception&) {  // the cursor stays as the failure left it
      }
    }
  } off{cursor};
  cursor.setFilterOptions(optionsFor(caseSensitive));
  cursor.setFilter(condition);
  cursor.setFiltered(true);
  for (cursor.first(); !cursor.eof(); cursor.next()) visit(cursor.fields().front().asString());
}

bool tableExists(const dbf::TableCursor& cursor, const std::string& name) {
  return dbf::fileExistsNoCase(dbf::databaseFolder(cursor.databaseName()), name);
}

// Points `cursor` at `name` and opens it; false (the name noted as skipped)
// when the base lacks the table or it cannot be opened.
bool openAuxiliary(dbf::TableCursor& cursor, const std::string& name, LookupOutput& out) {
  cursor.close();
  cursor.setTableName(name);
  if (tableExists(cursor, name)) {
    try {
      cursor.open();
      return true;
    } catch (const std::exception&) {
      // A damaged table is left out like a missing one.
    }
  }
  out.skippedTables.push_back(name);
  return false;
}

std::string keyAlternative(const std::string& key, std::string_view keyField) {
  return fieldCondition(key, keyField, FieldMode::ExactValue);
}

}  // namespace

void renameLookup(dbf::TableCursor& rename, std::string_view text, FieldMode mode, bool caseSensitive,
                  LookupOutput& out) {
  if (!rename.active()) {
    out.skippedTables.push_back(rename.tableName().empty() ? "FOND3.DBF" : rename.tableName());
    return;
  }
  const std::string c1 = fieldCondition(text, "C1", mode);
  const std::string c2 = fieldCondition(text, "C2", mode);
  if (c1.empty()) return;
  walkFiltered(rename, c1 + " OR " + c2, caseSensitive,
               [&](const std::string& fond) { out.alternatives.add(keyAlternative(fond, "KOD")); });
}

void keywordLookup(dbf::TableCursor& temp, std::string_view text, archive::Level level, bool caseSensitive,
                   LookupOutput& out) {
  static const std::array<std::string, 3> kFondTables = {"persona1.dbf", "geograf1.dbf", "tematik1.dbf"};
  static const std::array<std::string, 3> kFileTables = {"persona2.dbf", "geograf2.dbf", "tematik2.dbf"};
  const std::string condition = fieldCondition(text, "WORD", FieldMode::AnyWordShort);
  if (condition.empty()) return;
  for (const std::string& name : level == archive::Level::Fonds ? kFondTables : kFileTables) {
    if (!openAuxiliary(temp, name, out)) continue;
    walkFiltered(temp, condition, caseSensitive,
                 [&](const std::string& key) { out.alternatives.add(keyAlternative(key, "KOD")); });
  }
}

void rubricLookup(dbf::TableCursor& rubr, dbf::TableCursor& opis, std::string_view text, bool caseSensitive,
                  LookupOutput& out) {
  const std::string condition = fieldCondition(text, "RUBRIKA", FieldMode::AnyWordShort);
  if (condition.empty() || !openAuxiliary(rubr, "rubrika2.dbf", out)) return;
  Alternatives inventories;
  walkFiltered(rubr, condition, caseSensitive,
               [&](const std::string& key) { inventories.add(keyAlternative(key, "KOD")); });
  if (inventories.empty()) return;
  if (!opis.active()) {
    out.skippedTables.push_back(opis.tableName());
    return;
  }
  std::string k;
  for (const std::string& alternative : inventories.items()) {
    if (!k.empty()) k += " OR ";
    k += alternative;
  }
  // Only inventories present in OPIS.DBF count; the inventory list is left
  // unfiltered afterwards.
  walkFiltered(opis, k, caseSensitive,
               [&](const std::string& key) { out.alternatives.add(keyAlternative(key, "OPIS")); });
}

std::string skippedTablesStatus(const std::vector<std::string>& tables) {
  if (tables.empty()) return {};
  std::string names;
  for (const std::string& name : tables) {
    if (!names.empty()) names += ", ";
    names += name;
  }
  const std::string lead(tables.size() == 1 ? "Поиск без таблицы "_cp1251 : "Поиск без таблиц "_cp1251);
  return lead + names + std::string(": нет в базе или не открывается."_cp1251);
}

}  // namespace kestrin::search
