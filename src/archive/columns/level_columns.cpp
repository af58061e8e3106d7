#include "archive/columns/level_columns.h"

#include "archive/columns/display_rules.h"
#include "archive/format/type_abbrev.h"
#include "dbf/base/errors.h"

namespace kestrin::archive {

// The fields the columns read, per level.
// clang-format off
enum LevelColumns::Slot : int {
  KOD, FKOD, FNAME, A1, A4, A7, A9, A16, A21, A22, A23, A24, A25, A26,  // fonds
  OKOD, ONAME, G1, G3, G5,                                              // inventories
  L1, L4, L5, L8, L9, L10, L13,                                         // files
  T2, T3, T8, T9,                                                       // documents
  kSlotEnd
};
// clang-format on

namespace {

constexpr std::string_view kSlotNames[] = {
    "KOD",   "FKOD", "FNAME", "A1", "A4", "A7", "A9", "A16", "A21", "A22", "A23", "A24", "A25", "A26", "OKOD",
    "ONAME", "G1",   "G3",    "G5", "L1", "L4", "L5", "L8",  "L9",  "L10", "L13", "T2",  "T3",  "T8",  "T9",
};

constexpr DisplayColumn kFondColumns[] = {DisplayColumn::Num,  DisplayColumn::Cap,   DisplayColumn::FullName,
                                          DisplayColumn::Tip,  DisplayColumn::Dates, DisplayColumn::Kol,
                                          DisplayColumn::Hran, DisplayColumn::FName};
constexpr DisplayColumn kInventoryColumns[] = {DisplayColumn::Num, DisplayColumn::Cap, DisplayColumn::Tip,
                                               DisplayColumn::Dates};
constexpr DisplayColumn kFileColumns[] = {DisplayColumn::Num, DisplayColumn::Cap, DisplayColumn::Tip,
                                          DisplayColumn::Dates};
constexpr DisplayColumn kDocumentColumns[] = {DisplayColumn::Cap, DisplayColumn::Date};

constexpr std::string_view kColumnNames[] = {"Num", "Cap", "FullName", "Tip", "Dates", "Kol", "Hran", "FNAME", "Date"};

}  // namespace

std::string_view displayColumnName(DisplayColumn column) { return kColumnNames[static_cast<std::size_t>(column)]; }

std::optional<DisplayColumn> displayColumnByName(std::string_view name) {
  for (std::size_t i = 0; i < std::size(kColumnNames); ++i) {
    if (kColumnNames[i] == name) return static_cast<DisplayColumn>(i);
  }
  return std::nullopt;
}

std::span<const DisplayColumn> displayColumnsOf(Level level) {
  switch (level) {
    case Level::Fonds:
      return kFondColumns;
    case Level::Inventories:
      return kInventoryColumns;
    case Level::Files:
      return kFileColumns;
    case Level::Documents:
      return kDocumentColumns;
  }
  return {};
}

ArchiveCursor archiveCursorOf(Level level) {
  switch (level) {
    case Level::Fonds:
      return ArchiveCursor::Fond;
    case Level::Inventories:
      return ArchiveCursor::Opis;
    case Level::Files:
      return ArchiveCursor::Delo;
    case Level::Documents:
      return ArchiveCursor::Doc;
  }
  return ArchiveCursor::Fond;
}

LevelColumns::LevelColumns(const dbf::TableCursor& cursor, Level level, StoragePlaces* places)
    : cursor_(cursor), level_(level), places_(places) {
  static_assert(std::size(kSlotNames) == kSlotEnd && kSlotEnd == kSlotCount);
  positions_.fill(-1);
}

void LevelColumns::bindFields() const {
  const auto& fields = cursor_.fields();
  for (int slot = 0; slot < kSlotEnd; ++slot) {
    const dbf::CursorField* found = cursor_.findField(kSlotNames[slot]);
    positions_[static_cast<std::size_t>(slot)] = found ? static_cast<int>(found - fields.data()) : -1;
  }
  boundGeneration_ = cursor_.openGeneration();
}

const dbf::CursorField* LevelColumns::field(Slot slot) const {
  const auto& fields = cursor_.fields();
  // The cursor rebuilds its field list when it opens.
  if (cursor_.openGeneration() != boundGeneration_) bindFields();
  const int position = positions_[static_cast<std::size_t>(slot)];
  return position < 0 ? nullptr : &fields[static_cast<std::size_t>(position)];
}

std::string LevelColumns::textOf(Slot slot) const {
  const dbf::CursorField* f = field(slot);
  if (!f) return {};
  try {
    return f->asString();
  } catch (const dbf::EDbfError& error) {
    noteReadFault(error);
    return {};  // a damaged memo reads as no text
  }
}

long long LevelColumns::integerOf(Slot slot) const {
  const dbf::CursorField* f = field(slot);
  if (!f) return 0;
  try {
    return f->asInteger();
  } catch (const dbf::EDbfError& error) {
    noteReadFault(error);
    return 0;  // "Invalid numeric value": counts as empty
  }
}

void LevelColumns::noteReadFault(const dbf::EDbfError& error) const {
  if (firstReadFault_.empty()) firstReadFault_ = error.message();
}

int LevelColumns::yearOf(Slot slot) const {
  const dbf::CursorField* f = field(slot);
  if (!f) return 0;
  const auto date = f->asDate();
  return date ? date->year : 0;
}

std::string LevelColumns::text(DisplayColumn column) const {
  if (!cursor_.active() || !cursor_.record()) return {};
  switch (level_) {
    case Level::Fonds:
      return fondText(column);
    case Level::Inventories:
      return inventoryText(column);
    case Level::Files:
      return fileText(column);
    case Level::Documents:
      return documentText(column);
  }
  return {};
}

std::string LevelColumns::fondText(DisplayColumn column) const {
  switch (column) {
    case DisplayColumn::Num:
      return fondNumberText(textOf(FKOD));
    case DisplayColumn::Cap:
      return titleText(textOf(FNAME));
    case DisplayColumn::FullName:
      return titleText(textOf(A1));
    case DisplayColumn::FName:
      return fondNameText(textOf(FNAME));
    case DisplayColumn::Tip:
      return std::string(typeAbbrev(integerOf(A4)));
    case DisplayColumn::Dates:
      return yearsText(integerOf(A7), integerOf(A9));
    case DisplayColumn::Kol: {
      long long total = 0;
      for (Slot slot : {A16, A21, A22, A23, A24, A25, A26}) total += integerOf(slot);
      return fileCountText(total);
    }
    case DisplayColumn::Hran:
      return places_ ? places_->placeOf(textOf(KOD), [this] { return textOf(FKOD); }) : std::string();
    default:
      return {};
  }
}

std::string LevelColumns::inventoryText(DisplayColumn column) const {
  switch (column) {
    case DisplayColumn::Num:
      return inventoryNumberText(textOf(OKOD));
    case DisplayColumn::Cap:
      return titleText(textOf(ONAME));
    case DisplayColumn::Tip:
      return std::string(typeAbbrev(integerOf(G1)));
    case DisplayColumn::Dates:
      return yearsText(integerOf(G3), integerOf(G5));
    default:
      return {};
  }
}

std::string LevelColumns::fileText(DisplayColumn column) const {
  switch (column) {
    case DisplayColumn::Num:
      return fileNumberText(textOf(L1));
    case DisplayColumn::Cap:
      return preferredTitleText(textOf(L5), textOf(L4));
    case DisplayColumn::Tip:
      return std::string(typeAbbrev(integerOf(L13)));
    case DisplayColumn::Dates:
      return fileDatesText(textOf(L10), yearOf(L8), yearOf(L9));
    default:
      return {};
  }
}

std::string LevelColumns::documentText(DisplayColumn column) const {
  switch (column) {
    case DisplayColumn::Cap:
      return preferredTitleText(textOf(T2), textOf(T3));
    case DisplayColumn::Date:
      return documentDateText(textOf(T9), yearOf(T8));
    default:
      return {};
  }
}

}  // namespace kestrin::archive
