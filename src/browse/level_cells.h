// The cells of a level grid for the record a cursor stands on: the display
// columns of the level, stored fields as the cursor gives them, and the facts
// the row drawing needs.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "archive/columns/level_columns.h"
#include "browse/grid_columns.h"
#include "dbf/cursor/field_binding.h"

namespace kestrin::browse {

class LevelCells {
 public:
  // `cursor` must outlive this object; `places` serves the fond column "Хр.".
  LevelCells(int level, const dbf::TableCursor& cursor, archive::StoragePlaces* places);

  // The text (Windows-1251) of grid column `column` (position in gridColumns).
  std::string text(int column) const;
  // The type code (A4, G1, L13; 0 for documents) and the bold flag (L21 of
  // files) of the current record.
  int typeCode() const;
  bool bold() const;

  // The first damaged memo or value the cells passed over (they show it
  // empty), in the engine's words; empty while there was none.
  const std::string& firstReadFault() const { return columns_.firstReadFault(); }
  void forgetReadFault() { columns_.forgetReadFault(); }

 private:
  const dbf::TableCursor& cursor_;
  archive::LevelColumns columns_;
  // Per grid column: the display column it shows, or none for a stored field.
  std::vector<std::optional<archive::DisplayColumn>> display_;
  // The stored field of every grid column, then the type code and bold fields.
  dbf::FieldBinding fields_;
  std::size_t columnCount_;
};

}  // namespace kestrin::browse
