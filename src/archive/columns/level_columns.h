// The display columns of the four level cursors: texts computed from the
// current record each time they are asked for, never stored. A grid asks for
// one cell at a time; a LevelColumns object finds its fields once per opening
// of the cursor, so a cell costs the field reads and the rule, no look-ups.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "archive/model/archive_tables.h"
#include "archive/model/storage_places.h"
#include "dbf/base/errors.h"
#include "dbf/cursor/table_cursor.h"

namespace kestrin::archive {

// The level pages: the index every part uses for the active level.
enum class Level { Fonds = 0, Inventories = 1, Files = 2, Documents = 3 };

enum class DisplayColumn { Num, Cap, FullName, Tip, Dates, Kol, Hran, FName, Date };

// "Num", "Cap", "FullName", "Tip", "Dates", "Kol", "Hran", "FNAME", "Date".
std::string_view displayColumnName(DisplayColumn column);
// The column of that name (letter case counts); nullopt for any other name.
std::optional<DisplayColumn> displayColumnByName(std::string_view name);
// The columns a level has: fonds Num, Cap, FullName, Tip, Dates, Kol, Hran,
// FNAME; inventories and files Num, Cap, Tip, Dates; documents Cap, Date.
std::span<const DisplayColumn> displayColumnsOf(Level level);
// The archive cursor a level lists: Fond, Opis, Delo, Doc.
ArchiveCursor archiveCursorOf(Level level);

class LevelColumns {
 public:
  // `cursor` is the level's cursor with the fields of its archive table
  // (setUpArchiveCursor); it must outlive this object and may be opened and
  // closed meanwhile. `places` serves the fond column Hran and must outlive
  // this object too; without it Hran is empty.
  LevelColumns(const dbf::TableCursor& cursor, Level level, StoragePlaces* places = nullptr);

  Level level() const { return level_; }

  // The text of `column` for the cursor's current record (the candidate
  // record while the cursor's filter callback runs). Empty for a column the
  // level does not have, for a closed cursor or one without a current record.
  // Never throws for a damaged value: an unreadable number or memo counts as
  // 0 or empty, an unreadable date as no date. Only Hran changes state (it
  // takes lines off the storage list).
  std::string text(DisplayColumn column) const;

  // The first fault text() passed over since this object was made (or the
  // last forgetReadFault), in the engine's words: a missing or damaged memo
  // file, a damaged memo pointer or number. Empty while there was none. The
  // cells go on painting; the caller tells the person once.
  const std::string& firstReadFault() const { return firstReadFault_; }
  void forgetReadFault() { firstReadFault_.clear(); }

 private:
  enum Slot : int;
  static constexpr int kSlotCount = 30;

  const dbf::CursorField* field(Slot slot) const;
  std::string textOf(Slot slot) const;
  long long integerOf(Slot slot) const;
  int yearOf(Slot slot) const;
  void bindFields() const;
  void noteReadFault(const dbf::EDbfError& error) const;

  std::string fondText(DisplayColumn column) const;
  std::string inventoryText(DisplayColumn column) const;
  std::string fileText(DisplayColumn column) const;
  std::string documentText(DisplayColumn column) const;

  const dbf::TableCursor& cursor_;
  Level level_;
  StoragePlaces* places_;
  // Field positions in cursor_.fields(), found again whenever the field list
  // is rebuilt (the cursor's open generation changed); -1 for a field the
  // cursor lacks, as for every field in generation 0.
  mutable std::array<int, kSlotCount> positions_{};
  mutable std::uint64_t boundGeneration_ = 0;
  mutable std::string firstReadFault_;
};

}  // namespace kestrin::archive
