// A level grid: a read-only table view over a CursorTableModel with whole-row
// selection, sort markers on the titles, a row indicator, rows drawn by the
// row style rules and the current row kept in step with the level cursor.
// Column widths live in design pixels (the settings file's unit) and show
// scaled to the grid font; a cell whose text is cut shows it as a tooltip.
#pragma once

#include <QTableView>
#include <vector>

#include "browse/grid_columns.h"
#include "browse/gui/cursor_table_model.h"

namespace kestrin::browse {

class MarkerHeader;
class LevelRowDelegate;

class LevelGrid : public QTableView {
  Q_OBJECT

 public:
  LevelGrid(CursorTableModel* model, QWidget* parent = nullptr);

  CursorTableModel* levelModel() const { return model_; }
  int level() const { return model_->level(); }

  // Painting takes its flags from here, never from the settings file.
  void setColorTypes(bool on);
  bool colorTypes() const;
  void setGridFontSize(int points);

  // The widths on screen, in pixels of the grid font.
  std::vector<int> columnWidths() const;
  // The widths in design pixels: as designed, restored or last set by the
  // user, converted back from the screen only for columns the user resized.
  std::vector<int> designWidths() const { return designWidths_; }
  // Shows every column but the title one at `widths` scaled to the grid font.
  void setDesignWidths(const std::vector<int>& widths);
  const ColumnScale& columnScale() const { return scale_; }
  // The whole text of a cell the column is too narrow for; empty when the
  // cell shows all of it.
  QString cutCellText(const QModelIndex& index) const;
  // Gives the title column the room the other columns leave.
  void fitTitleColumn();

  std::vector<SortMarker> markers() const;
  void setMarker(int column, SortMarker marker);

  // Moves the view to the level cursor's current record.
  void followCursor();

 signals:
  // A title with a title button was clicked.
  void titleClicked(int column);
  // The user changed the width of a column other than the title column.
  void columnWidthChanged();

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  // Rows are selected whole: Home and End go to the first and last record,
  // with Ctrl or without, and keep the current column.
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void resizeEvent(QResizeEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  void onSectionResized(int column, int oldSize, int newSize);
  void showDesignWidths();

  CursorTableModel* model_;
  MarkerHeader* header_;
  LevelRowDelegate* delegate_;
  ColumnScale scale_;
  std::vector<int> designWidths_;
  bool following_ = false;
  bool fitting_ = false;
};

}  // namespace kestrin::browse
