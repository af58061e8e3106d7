#include "browse/export/list_rows.h"

#include "text/cp1251_literal.h"

namespace kestrin::browse {

using archive::DisplayColumn;
using archive::Level;
using namespace text::literals;

namespace {

std::vector<std::string> texts(std::initializer_list<std::string_view> items) { return {items.begin(), items.end()}; }

}  // namespace

std::vector<std::string> listHeader(Level level) {
  switch (level) {
    case Level::Fonds:
      return texts(
          {"№"_cp1251, "Заголовок"_cp1251, "Кол-во оп."_cp1251, "Тип"_cp1251, "Даты"_cp1251, "Кол-во дел"_cp1251});
    case Level::Inventories:
      return texts({"№"_cp1251, "Заголовок"_cp1251, "Тип"_cp1251, "Даты"_cp1251, "Кол-во дел"_cp1251});
    case Level::Files:
      return texts({"№"_cp1251, "Заголовок"_cp1251, "Тип"_cp1251, "Даты"_cp1251, "Кол-во листов"_cp1251});
    case Level::Documents:
      return texts({"№"_cp1251, "Заголовок"_cp1251, "Дата"_cp1251});
  }
  return {};
}

ListRows::ListRows(Level level, const dbf::TableCursor& cursor, archive::StoragePlaces* places)
    : level_(level),
      cursor_(cursor),
      columns_(cursor, level, places),
      cells_(static_cast<int>(level), cursor, places),
      stored_(cursor, {"FNAME", "A5"}),
      columnCount_(listHeader(level).size()) {}

std::vector<std::string> ListRows::row() const {
  if (level_ != Level::Fonds) {
    // The other lists are their grids, column for column.
    std::vector<std::string> cells;
    cells.reserve(columnCount_);
    for (std::size_t i = 0; i < columnCount_; ++i) cells.push_back(cells_.text(static_cast<int>(i)));
    return cells;
  }
  auto storedText = [this](std::size_t i) {
    const dbf::CursorField* field = stored_.field(i);
    return field && cursor_.active() ? field->asString() : std::string();
  };
  return {columns_.text(DisplayColumn::Num),
          storedText(0),
          storedText(1),
          columns_.text(DisplayColumn::Tip),
          columns_.text(DisplayColumn::Dates),
          columns_.text(DisplayColumn::Kol)};
}

}  // namespace kestrin::browse
