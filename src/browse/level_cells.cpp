#include "browse/level_cells.h"

#include <algorithm>

#include "browse/row_style.h"

namespace kestrin::browse {

namespace {

std::vector<std::string_view> boundNames(int level) {
  std::vector<std::string_view> names;
  for (const GridColumn& column : gridColumns(level)) names.push_back(column.field);
  names.push_back(typeCodeField(level));
  names.push_back(boldField(level));
  return names;
}

}  // namespace

LevelCells::LevelCells(int level, const dbf::TableCursor& cursor, archive::StoragePlaces* places)
    : cursor_(cursor),
      columns_(cursor, static_cast<archive::Level>(level), places),
      fields_(cursor, boundNames(level)),
      columnCount_(gridColumns(level).size()) {
  const auto& own = archive::displayColumnsOf(static_cast<archive::Level>(level));
  for (const GridColumn& column : gridColumns(level)) {
    const auto display = archive::displayColumnByName(column.field);
    const bool levelHasIt = display && std::find(own.begin(), own.end(), *display) != own.end();
    display_.push_back(levelHasIt ? display : std::nullopt);
  }
}

std::string LevelCells::text(int column) const {
  const auto i = static_cast<std::size_t>(column);
  if (i >= columnCount_) return {};
  if (display_[i]) return columns_.text(*display_[i]);
  const dbf::CursorField* field = fields_.field(i);
  return field && cursor_.active() ? field->asString() : std::string();
}

int LevelCells::typeCode() const {
  const dbf::CursorField* field = fields_.field(columnCount_);
  return field ? static_cast<int>(field->asInteger()) : 0;
}

bool LevelCells::bold() const {
  const dbf::CursorField* field = fields_.field(columnCount_ + 1);
  return field && field->asBoolean();
}

}  // namespace kestrin::browse
