#include "browse/grid_columns.h"

#include <array>
#include <cmath>
#include <string>

#include "text/cp1251_literal.h"

namespace kestrin::browse {

using namespace text::literals;

namespace {

constexpr auto L = Alignment::left;
constexpr auto R = Alignment::right;
constexpr auto C = Alignment::centre;
constexpr auto kNone = SortMarker::none;
constexpr auto kUp = SortMarker::ascending;

constexpr std::array kFondColumns = {
    GridColumn{"Num", "№"_cp1251, "Номер фонда"_cp1251, 40, R, true, kUp},
    GridColumn{"Cap", "Заголовок"_cp1251, "Сокращенное название фонда"_cp1251, 300, L, true, kNone},
    GridColumn{"A5", "Оп."_cp1251, "Количество описей фонда"_cp1251, 22, R, false, kNone},
    GridColumn{"Hran", "Хр."_cp1251, "Номер хранилища фонда"_cp1251, 22, C, false, kNone},
    GridColumn{"Tip", "Тип"_cp1251, "Тип документов фонда"_cp1251, 32, L, false, kNone},
    GridColumn{"Dates", "Даты"_cp1251, "Крайние даты документов фонда"_cp1251, 60, C, false, kNone},
    GridColumn{"Kol", "Кол-во"_cp1251, "Общее количество документов фонда"_cp1251, 52, R, false, kNone},
};

constexpr std::array kOpisColumns = {
    GridColumn{"Num", "№"_cp1251, "Номер описи, том описи"_cp1251, 40, R, true, kUp},
    GridColumn{"Cap", "Заголовок"_cp1251, "Название описи"_cp1251, 300, L, true, kNone},
    GridColumn{"Tip", "Тип"_cp1251, "Тип документов описи"_cp1251, 32, L, false, kNone},
    GridColumn{"Dates", "Даты"_cp1251, "Крайние даты документов описи"_cp1251, 60, C, false, kNone},
    GridColumn{"G7", "Кол-во"_cp1251, "Количество документов описи"_cp1251, 52, R, false, kNone},
};

constexpr std::array kDeloColumns = {
    GridColumn{"Num", "№"_cp1251, "Номер дела"_cp1251, 40, R, true, kNone},
    GridColumn{"Cap", "Заголовок"_cp1251, "Название дела"_cp1251, 301, L, true, kNone},
    GridColumn{"Tip", "Тип"_cp1251, "Тип документов дела"_cp1251, 32, L, false, kNone},
    GridColumn{"Dates", "Даты"_cp1251, "Крайние даты документов дела"_cp1251, 60, C, false, kNone},
    GridColumn{"L11", "Лист"_cp1251, "Количество листов дела"_cp1251, 52, R, false, kNone},
};

// T1 and T2 are text fields: they take their field's alignment (left).
constexpr std::array kDocColumns = {
    GridColumn{"T1", "№"_cp1251, "", 40, L, true, kNone},
    GridColumn{"T2", "Заголовок"_cp1251, "", 300, L, true, kUp},
    GridColumn{"Date", "Дата"_cp1251, "", 70, C, false, kNone},
};

}  // namespace

std::span<const GridColumn> gridColumns(int level) {
  switch (level) {
    case 0:
      return kFondColumns;
    case 1:
      return kOpisColumns;
    case 2:
      return kDeloColumns;
    default:
      return kDocColumns;
  }
}

std::string_view charWidthSample() {
  static const std::string sample = [] {
    std::string text;
    for (char c = 'A'; c <= 'Z'; ++c) text += c;
    for (char c = 'a'; c <= 'z'; ++c) text += c;
    for (char c = '0'; c <= '9'; ++c) text += c;
    for (int c = 0xC0; c <= 0xFF; ++c) text += static_cast<char>(c);  // А..я
    return text;
  }();
  return sample;
}

ColumnScale::ColumnScale(double averageCharWidth, int cellMargins) : cellMargins_(cellMargins) {
  if (averageCharWidth > 0) factor_ = averageCharWidth / kDesignCharWidth;
}

int ColumnScale::toScreen(int designWidth) const {
  return static_cast<int>(std::lround((designWidth - kDesignCellMargins) * factor_)) + cellMargins_;
}

int ColumnScale::toDesign(int screenWidth) const {
  return static_cast<int>(std::lround((screenWidth - cellMargins_) / factor_)) + kDesignCellMargins;
}

int fittedTitleColumnWidth(int gridWidth, std::span<const int> columnWidths, int scrollBarWidth) {
  int others = 0;
  for (std::size_t i = 0; i < columnWidths.size(); ++i) {
    if (i != 1) others += columnWidths[i];
  }
  return gridWidth - others - scrollBarWidth - 21;
}

}  // namespace kestrin::browse
