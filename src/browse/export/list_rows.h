// The rows of a saved level list: the header line and, for the record a
// level cursor stands on, the cells of its line. Texts are Windows-1251.
//
// Fonds: "№", "Заголовок", "Кол-во оп.", "Тип", "Даты", "Кол-во дел" from
// Num, the stored FNAME (not the retypeset Cap), A5, Tip, Dates, Kol.
// Inventories: "№", "Заголовок", "Тип", "Даты", "Кол-во дел" from Num, Cap,
// Tip, Dates, G7. Files: "№", "Заголовок", "Тип", "Даты", "Кол-во листов"
// and documents: "№", "Заголовок", "Дата" from the texts their grids show.
#pragma once

#include <string>
#include <vector>

#include "archive/columns/level_columns.h"
#include "browse/level_cells.h"
#include "dbf/cursor/field_binding.h"

namespace kestrin::browse {

std::vector<std::string> listHeader(archive::Level level);

class ListRows {
 public:
  // `cursor` is the level cursor (fields of its archive table) and must
  // outlive this object, as must `places`.
  ListRows(archive::Level level, const dbf::TableCursor& cursor, archive::StoragePlaces* places);

  // The cells of the current record's line. Engine errors of a stored field
  // propagate.
  std::vector<std::string> row() const;

 private:
  archive::Level level_;
  const dbf::TableCursor& cursor_;
  archive::LevelColumns columns_;
  LevelCells cells_;
  dbf::FieldBinding stored_;  // FNAME and A5 of a fond
  std::size_t columnCount_;
};

}  // namespace kestrin::browse
