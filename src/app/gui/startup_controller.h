// The start-up sequence of the main window, run once the window is built:
// finds the settings files and the base folder, applies the settings, opens
// the tables, then restores what the last session left (the query history,
// the column widths, the window's placement) and sets the caption. A table
// that cannot be opened (or opens only without its damaged index) is
// reported at the end while the others stay usable; a missing level table is
// named in the caption.
#pragma once

#include <optional>
#include <string>

namespace kestrin::app {

class MainWindow;
struct Session;

class StartupController {
 public:
  explicit StartupController(MainWindow& window);

  // `commandLineFolder` is the program's first argument, if any.
  void run(const std::optional<std::string>& commandLineFolder);
  // The settings dialog changed the base folder: finds the base again (the
  // command line still wins), reopens the tables and shows the fond list.
  void reopenBase();

 private:
  bool openTables();
  void reportOpenFailures();
  void loadStoragePlaces();
  void restoreColumnWidths();
  void restorePlacement();

  MainWindow& window_;
  Session& session_;
};

}  // namespace kestrin::app
