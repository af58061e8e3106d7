#include "archive/model/archive_tables.h"

#include <array>
#include <string>

namespace kestrin::archive {
namespace {

using dbf::FieldType;

constexpr FieldType S = FieldType::String;
constexpr FieldType SI = FieldType::SmallInt;
constexpr FieldType I = FieldType::Integer;
constexpr FieldType D = FieldType::Date;
constexpr FieldType L = FieldType::Boolean;
constexpr FieldType M = FieldType::Memo;

// FOND.DBF: key, number, titles, years, counts (A16, A21..A26 total; A32..A38
// by inventories), movement A100, notes A109 and A110.
constexpr DeclaredField kFondFields[] = {
    {"KOD", S},   {"FKOD", S},  {"FNAME", S}, {"A1", M},   {"A2", SI},  {"A3", SI},   {"A4", SI},   {"A5", SI},
    {"A6", SI},   {"A7", SI},   {"A8", S},    {"A9", SI},  {"A10", S},  {"A11", SI},  {"A12", S},   {"A13", S},
    {"A14", SI},  {"A15", L},   {"A16", I},   {"A17", I},  {"A18", I},  {"A19", I},   {"A20", I},   {"A21", I},
    {"A22", I},   {"A23", I},   {"A24", I},   {"A25", I},  {"A26", I},  {"A27", I},   {"A28", I},   {"A29", I},
    {"A30", I},   {"A31", I},   {"A32", I},   {"A33", I},  {"A34", I},  {"A35", I},   {"A36", I},   {"A37", I},
    {"A38", I},   {"A39", I},   {"A40", I},   {"A41", I},  {"A42", I},  {"A43", I},   {"A44", I},   {"A45", I},
    {"A46", I},   {"A47", I},   {"A48", I},   {"A49", I},  {"A98", SI}, {"A99", SI},  {"A100", SI}, {"A101", M},
    {"A102", SI}, {"A103", SI}, {"A104", SI}, {"A105", S}, {"A106", M}, {"A107", SI}, {"A109", M},  {"A110", M},
    {"A111", S},  {"A112", S},  {"A113", S},  {"A114", S}, {"A115", S},
};

constexpr DeclaredField kOpisFields[] = {
    {"KOD", S}, {"FOND", S}, {"OKOD", S}, {"ONAME", M}, {"G1", SI}, {"G2", SI}, {"G3", SI}, {"G4", S},  {"G5", SI},
    {"G6", S},  {"G7", I},   {"G8", I},   {"G15", SI},  {"G16", M}, {"G45", M}, {"G46", I}, {"G47", I}, {"G48", I},
};

constexpr DeclaredField kDeloFields[] = {
    {"KOD", S}, {"OPIS", S}, {"L1", S},  {"L2", S},   {"L3", S},   {"L4", S},   {"L5", M},  {"L6", S},
    {"L8", D},  {"L9", D},   {"L10", S}, {"L11", SI}, {"L12", SI}, {"L13", SI}, {"L14", M}, {"L21", L},
};

constexpr DeclaredField kDocFields[] = {
    {"KOD", S}, {"DELO", S}, {"T1", S},  {"T2", S},  {"T3", M},  {"T4", D},  {"T5", S},
    {"T6", S},  {"T7", S},   {"T8", D},  {"T9", S},  {"T10", S}, {"T11", S}, {"T12", M},
    {"T13", S}, {"T14", S},  {"T15", S}, {"T16", M}, {"T17", M},
};

constexpr DeclaredField kRenameFields[] = {
    {"FOND", S}, {"C1", M}, {"C2", S}, {"C3", D}, {"C4", S}, {"C5", D}, {"C6", S},
};

constexpr DeclaredField kTopFields[] = {
    {"OPIS", S}, {"H1", S}, {"H2", S}, {"H3", S}, {"H4", S}, {"H5", S}, {"H6", S}, {"H7", S}, {"H8", S},
};

constexpr DeclaredField kDeloPhotoFields[] = {
    {"DELO", S}, {"O1", S},  {"O2", S},  {"O3", S},   {"O4", SI}, {"O5", SI}, {"O6", SI},
    {"O7", S},   {"O8", SI}, {"O9", SI}, {"O10", SI}, {"O11", M}, {"O12", D},
};

constexpr DeclaredField kRubrFields[] = {
    {"OPIS", S}, {"R1", SI}, {"R2", SI}, {"R3", SI}, {"RUBRIKA", S},
};

constexpr DeclaredField kTempFields[] = {
    {"FOND", S},
    {"WORD", S},
};

// In the order of ArchiveCursor.
constexpr std::array<ArchiveTableInfo, 9> kTables = {{
    {"hdsFond", "FOND.DBF", true, false, kFondFields},
    {"hdsOpis", "OPIS.DBF", true, false, kOpisFields},
    {"hdsDelo", "DELO.DBF", false, false, kDeloFields},
    {"hdsDoc", "DOCUM.DBF", true, false, kDocFields},
    {"hdsRename", "FOND3.DBF", false, false, kRenameFields},
    {"hdsTop", "Opis2.DBF", false, false, kTopFields},
    {"hdsDeloPhoto", "DELO5.DBF", true, false, kDeloPhotoFields},
    {"hdsRubr", "RUBRIKA2.DBF", true, true, kRubrFields},
    {"hdsTemp", "", true, true, kTempFields},
}};

}  // namespace

const ArchiveTableInfo& archiveTable(ArchiveCursor which) { return kTables.at(static_cast<std::size_t>(which)); }

void declareArchiveFields(dbf::TableCursor& cursor, ArchiveCursor which) {
  for (const DeclaredField& field : archiveTable(which).fields)
    cursor.declareField(std::string(field.name), field.type);
}

void setUpArchiveCursor(dbf::TableCursor& cursor, ArchiveCursor which) {
  const ArchiveTableInfo& info = archiveTable(which);
  if (!info.tableFile.empty()) cursor.setTableName(std::string(info.tableFile));
  cursor.setUseDeleted(false);
  cursor.setLargeIntegerAs(dbf::LargeIntegerAs::asLargeInt);
  cursor.setExactCount(info.exactCount);
  if (info.caseInsensitiveFilter) cursor.setFilterOptions({.caseInsensitive = true, .noPartialCompare = false});
  declareArchiveFields(cursor, which);
}

}  // namespace kestrin::archive
