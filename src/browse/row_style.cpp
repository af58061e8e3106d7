#include "browse/row_style.h"

#include "archive/model/code_tables.h"
#include "browse/level_pages.h"

namespace kestrin::browse {

CellStyle cellStyle(int level, const CellState& state, const RowFacts& row, bool colorTypes) {
  CellStyle style;
  const bool highlighted = state.selected || state.focused;
  if (level != kDocPage) {
    if (highlighted) {
      style.text = TextColour::onHighlight;
    } else if (colorTypes && row.typeCode == archive::kTypePersonalOrigin) {
      style.text = TextColour::blue;
    } else if (colorTypes && row.typeCode == archive::kTypePersonnel) {
      style.text = TextColour::green;
    }
  }
  if (row.recNo % 2 != 0 && !highlighted && !state.fixed) style.background = Background::tooltip;
  style.bold = level == kDeloPage && row.bold;
  return style;
}

std::string_view typeCodeField(int level) {
  switch (level) {
    case kFondPage: return "A4";
    case kOpisPage: return "G1";
    case kDeloPage: return "L13";
    default: return "";
  }
}

std::string_view boldField(int level) { return level == kDeloPage ? "L21" : ""; }

}  // namespace kestrin::browse
