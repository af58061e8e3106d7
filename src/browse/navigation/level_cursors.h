// The four level cursors that navigation narrows and widens: the grids'
// own, so every change shows in the grids at once.
#pragma once

#include <string>

#include "archive/model/damaged_indexes.h"
#include "dbf/cursor/table_cursor.h"

namespace kestrin::browse {

struct LevelCursors {
  dbf::TableCursor& fond;  // hdsFond
  dbf::TableCursor& opis;  // hdsOpis
  dbf::TableCursor& delo;  // hdsDelo
  dbf::TableCursor& doc;   // hdsDoc
  // Index files not to attach again (may be null).
  const archive::DamagedIndexes* damagedIndexes = nullptr;
};

// Keeps a cursor's observers (the grid) quiet while a change or a walk is
// made; they hear of it once, when the guard goes.
class ControlsDisabled {
 public:
  explicit ControlsDisabled(dbf::TableCursor& cursor) : cursor_(cursor) { cursor_.disableControls(); }
  ~ControlsDisabled() { cursor_.enableControls(); }
  ControlsDisabled(const ControlsDisabled&) = delete;
  ControlsDisabled& operator=(const ControlsDisabled&) = delete;

 private:
  dbf::TableCursor& cursor_;
};

// Fonds and inventories: `text` becomes the filter and filtering is on.
void setListFilter(dbf::TableCursor& list, const std::string& text);

// Files and documents: the filter `text` on or off, the exact count following
// it, and the date range of the advanced search taken off.
void setChildListFilter(dbf::TableCursor& list, const std::string& text, bool filtered);

}  // namespace kestrin::browse
