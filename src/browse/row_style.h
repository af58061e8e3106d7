// How a grid row is drawn: type colours, striping of odd record numbers and
// bold files, decided from plain facts so that painting code stays simple.
#pragma once

#include <string_view>

namespace kestrin::browse {

enum class TextColour {
  ordinary,     // the system's window-text colour
  onHighlight,  // the system's window background colour, on the highlight
  blue,         // type code 2: RGB 0,0,255
  green,        // type code 4: RGB 0,128,0
};

enum class Background {
  grid,     // the grid's own background
  tooltip,  // the system's tooltip background: rows with an odd record number
};

struct CellState {
  bool selected = false;
  bool focused = false;
  bool fixed = false;
};

struct RowFacts {
  int recNo = 0;
  int typeCode = 0;   // A4, G1 or L13
  bool bold = false;  // L21 of a file
};

struct CellStyle {
  TextColour text = TextColour::ordinary;
  Background background = Background::grid;
  bool bold = false;
  bool operator==(const CellStyle&) const = default;
};

CellStyle cellStyle(int level, const CellState& state, const RowFacts& row, bool colorTypes);

// The field that holds a level's type code (empty for documents), and the
// field that makes a file bold (empty for the other levels).
std::string_view typeCodeField(int level);
std::string_view boldField(int level);

}  // namespace kestrin::browse
