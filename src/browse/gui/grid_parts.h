// The parts of a level grid's look: titles with sort markers, the row
// indicator, and the cell painting that applies the row style rules.
#pragma once

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <vector>

#include "browse/grid_columns.h"

namespace kestrin::browse {

// Column titles with a sort marker (arrow) each; several may be set at once.
class MarkerHeader : public QHeaderView {
  Q_OBJECT

 public:
  explicit MarkerHeader(QWidget* parent = nullptr);
  SortMarker marker(int column) const;
  void setMarker(int column, SortMarker marker);
  std::vector<SortMarker> markers() const { return markers_; }

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

 private:
  std::vector<SortMarker> markers_;
};

// The narrow fixed column left of the cells: an arrow at the current row.
class RowIndicator : public QHeaderView {
  Q_OBJECT

 public:
  explicit RowIndicator(QWidget* parent = nullptr);
  static constexpr int kWidth = 12;

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
  QSize sizeHint() const override;
};

class LevelRowDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  LevelRowDelegate(int level, QObject* parent = nullptr);
  void setColorTypes(bool on) { colorTypes_ = on; }
  bool colorTypes() const { return colorTypes_; }

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

 private:
  int level_;
  bool colorTypes_ = true;
};

}  // namespace kestrin::browse
