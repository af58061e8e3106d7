#include "browse/level_cells.h"

#include <algorithm>

#include "browse/row_style.h"

namespace kestrin::browse {

LevelCells::LevelCells(int level, const dbf::TableCursor& cursor, archive::StoragePlaces* places)
    : level_(level), cursor_(cursor), columns_(cursor, static_cast<archive::Level>(level), places) {
  for (const GridColumn& column : gridColumns(level)) {
    fields_.push_back(column.field);
    const auto display = archive::displayColumnByName(column.field);
    const auto& own = archive::displayColumnsOf(static_cast<archive::Level>(level));
    const bool levelHasIt = display && std::find(own.begin(), own.end(), *display) != own.end();
    display_.push_back(levelHasIt ? display : std::nullopt);
  }
}

std::string LevelCells::text(int column) const {
  const auto i = static_cast<std::size_t>(column);
  if (i >= fields_.size()) return {};
  if (display_[i]) return columns_.text(*display_[i]);
  const dbf::CursorField* field = cursor_.findField(fields_[i]);
  return field && cursor_.active() ? field->asString() : std::string();
}

int LevelCells::typeCode() const {
  const std::string_view name = typeCodeField(level_);
  const dbf::CursorField* field = name.empty() ? nullptr : cursor_.findField(name);
  return field ? static_cast<int>(field->asInteger()) : 0;
}

bool LevelCells::bold() const {
  const std::string_view name = boldField(level_);
  const dbf::CursorField* field = name.empty() ? nullptr : cursor_.findField(name);
  return field && field->asBoolean();
}

}  // namespace kestrin::browse
