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

// The design widths are pixels of the 8-point "MS Sans Serif" at 96 dpi,
// whose average character width is 6 pixels: the horizontal dialog base unit
// Windows derives for that font, and the advance of its digits, the
// characters the narrow columns mostly show. Of a design width, 4 pixels are
// the cell's margins (the text starts 2 pixels in from either side); the rest
// holds the text and scales with the grid font's average character width
// over this unit, while the margins become the grid's own. So each column
// holds at any font what it held at the design font.
inline constexpr double kDesignCharWidth = 6.0;
inline constexpr int kDesignCellMargins = 4;

// The characters whose mean advance is the grid font's average character
// width: the Latin letters, the digits and the Cyrillic letters (Windows-1251).
std::string_view charWidthSample();

// Design pixels to the grid font's pixels and back.
class ColumnScale {
 public:
  ColumnScale() = default;
  // `averageCharWidth`: the grid font's mean advance over charWidthSample()
  // (not positive: the design font's); `cellMargins`: the pixels of a cell
  // that do not hold text in the grid (both sides and the grid line).
  ColumnScale(double averageCharWidth, int cellMargins);

  double factor() const { return factor_; }
  int toScreen(int designWidth) const;
  // Rounded to the nearest design pixel; toDesign(toScreen(w)) == w whenever
  // the grid font is not narrower than the design font.
  int toDesign(int screenWidth) const;

 private:
  double factor_ = 1.0;
  int cellMargins_ = kDesignCellMargins;
};

// The grid's width for its title column: what the window leaves after the
// other columns, a vertical scroll bar and the grid's fixed parts (21 pixels).
int fittedTitleColumnWidth(int gridWidth, std::span<const int> columnWidths, int scrollBarWidth);

}  // namespace kestrin::browse
