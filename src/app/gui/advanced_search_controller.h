// The advanced search of the main window: opens the dialog "Расширенный
// поиск" from F7, the "Расширенный" link, the search button's popup item, F3
// and Ctrl+F; builds it for the level shown, with the main search box's
// history and text; runs the search over the session's cursors when "Найти!"
// is pressed, and after it the grid takes the focus and the card follows.
#pragma once

#include <QObject>
#include <memory>

namespace kestrin::search {
class AdvancedSearchDialog;
}

namespace kestrin::app {

class MainWindow;

class AdvancedSearchController : public QObject {
  Q_OBJECT

 public:
  // Binds to the menu, the search strip and the tables of `window`, which
  // must outlive this object.
  explicit AdvancedSearchController(MainWindow& window);
  ~AdvancedSearchController() override;

  // mmSearchAdvClick: shows the dialog modally (made on first use).
  void open();
  // The dialog once it has been made; null before.
  search::AdvancedSearchDialog* dialog() const { return dialog_.get(); }

 private:
  void makeDialog();
  void showForActiveLevel();
  void search();
  void stepLevel(int step);

  MainWindow& window_;
  std::unique_ptr<search::AdvancedSearchDialog> dialog_;
};

}  // namespace kestrin::app
