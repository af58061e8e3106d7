// The fond grid's double click drills down; the click that the toolkit
// reports as part of that double click must not rebuild the fond card (a
// fond card build switches the inventory list's filter off, undoing the
// drill-down that has just filtered it).
//
// Qt's item views report press, click, press, double click and no click for
// the last release; a toolkit may also report a click after the double
// click. Every new press starts a new gesture, so only a click inside the
// gesture that drilled down is swallowed and a later click always builds.
#pragma once

namespace kestrin::browse {

class DoubleClickFlags {
 public:
  // A mouse button went down on the fond grid (the press event itself, not
  // the double-click event that follows the second press).
  void pressed() { drillDown_ = false; }
  // A fond card was built.
  void cardBuilt() { cardBuilt_ = true; }
  // The fond list's drill-down ran.
  void drilledDown() { drillDown_ = true; }

  // The verdict on a click on a fond row: false for the click that belongs
  // to the double click that drilled down, which clears both flags.
  bool clickBuildsCard() {
    if (!cardBuilt_ || !drillDown_) return true;
    cardBuilt_ = drillDown_ = false;
    return false;
  }

 private:
  bool cardBuilt_ = false;
  bool drillDown_ = false;
};

}  // namespace kestrin::browse
