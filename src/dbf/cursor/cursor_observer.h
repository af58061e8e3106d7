// What data-aware views (grids, record cards) learn from a cursor.
#pragma once

namespace kestrin::dbf {

class CursorObserver {
 public:
  virtual ~CursorObserver() = default;
  // The current record moved (not reported while controls are disabled).
  virtual void recordChanged() {}
  // The records of the view may all have changed: redraw everything.
  virtual void dataSetChanged() {}
  // The cursor was opened or closed.
  virtual void activeChanged() {}
};

}  // namespace kestrin::dbf
