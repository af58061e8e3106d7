#include "browse/row_style.h"

#include "archive/columns/level_columns.h"
#include "archive/model/code_tables.h"

namespace kestrin::browse {

namespace {

// The grids name their level by its number.
constexpr int kFonds = static_cast<int>(archive::Level::Fonds);
constexpr int kInventories = static_cast<int>(archive::Level::Inventories);
constexpr int kFiles = static_cast<int>(archive::Level::Files);
constexpr int kDocuments = static_cast<int>(archive::Level::Documents);

}  // namespace

CellStyle cellStyle(int level, const CellState& state, const RowFacts& row, bool colorTypes) {
  CellStyle style;
  const bool highlighted = state.selected || state.focused;
  if (level != kDocuments) {
    if (highlighted) {
      style.text = TextColour::onHighlight;
    } else if (colorTypes && row.typeCode == archive::kTypePersonalOrigin) {
      style.text = TextColour::blue;
    } else if (colorTypes && row.typeCode == archive::kTypePersonnel) {
      style.text = TextColour::green;
    }
  }
  if (row.recNo % 2 != 0 && !highlighted && !state.fixed) style.background = Background::tooltip;
  style.bold = level == kFiles && row.bold;
  return style;
}

std::string_view typeCodeField(int level) {
  switch (level) {
    case kFonds:
      return "A4";
    case kInventories:
      return "G1";
    case kFiles:
      return "L13";
    default:
      return "";
  }
}

std::string_view boldField(int level) { return level == kFiles ? "L21" : ""; }

}  // namespace kestrin::browse
