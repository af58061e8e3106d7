// The columns of the four level grids: which display column or stored field
// each shows, its title, title hint, design width, alignment and whether its
// title acts as a button. Texts are Windows-1251.
#pragma once

#include <span>
#include <string_view>

namespace kestrin::browse {

enum class Alignment { left, right, centre };
enum class SortMarker { none, descending, ascending };

struct GridColumn {
  std::string_view field;  // display column (Num, Cap, ...) or stored field (A5, T1, ...)
  std::string_view title;
  std::string_view hint;  // empty: no title hint
  int width;              // pixels at design time
  Alignment alignment;
  bool titleButton;
  SortMarker initialMarker;
};

// Columns of the grid of level page 0..3, the title column at position 1.
std::span<const GridColumn> gridColumns(int level);

// The grid's width for its title column: what the window leaves after the
// other columns, a vertical scroll bar and the grid's fixed parts (21 pixels).
int fittedTitleColumnWidth(int gridWidth, std::span<const int> columnWidths, int scrollBarWidth);

}  // namespace kestrin::browse
