#include "browse/gui/grid_parts.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QPainterPath>

#include "browse/gui/cursor_table_model.h"
#include "browse/row_style.h"

namespace kestrin::browse {

namespace {

void drawTriangle(QPainter* painter, const QRect& box, bool pointingUp, const QColor& colour) {
  const QPointF c = QRectF(box).center();
  const qreal h = 3.0;
  QPainterPath path;
  if (pointingUp) {
    path.moveTo(c.x() - h, c.y() + h / 2);
    path.lineTo(c.x() + h, c.y() + h / 2);
    path.lineTo(c.x(), c.y() - h / 2 - 1);
  } else {
    path.moveTo(c.x() - h, c.y() - h / 2);
    path.lineTo(c.x() + h, c.y() - h / 2);
    path.lineTo(c.x(), c.y() + h / 2 + 1);
  }
  path.closeSubpath();
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(Qt::NoPen);
  painter->setBrush(colour);
  painter->drawPath(path);
  painter->restore();
}

}  // namespace

MarkerHeader::MarkerHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setSectionsClickable(true);
  setSortIndicatorShown(false);
  setHighlightSections(false);
  setDefaultAlignment(Qt::AlignCenter);
}

SortMarker MarkerHeader::marker(int column) const {
  return column >= 0 && static_cast<std::size_t>(column) < markers_.size() ? markers_[static_cast<std::size_t>(column)]
                                                                           : SortMarker::none;
}

void MarkerHeader::setMarker(int column, SortMarker marker) {
  if (column < 0) return;
  if (static_cast<std::size_t>(column) >= markers_.size()) markers_.resize(static_cast<std::size_t>(column) + 1);
  markers_[static_cast<std::size_t>(column)] = marker;
  viewport()->update();
}

void MarkerHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  // The style may leave the painter clipped to nothing; the marker is drawn on a clean state.
  painter->save();
  QHeaderView::paintSection(painter, rect, logicalIndex);
  painter->restore();
  const SortMarker m = marker(logicalIndex);
  if (m == SortMarker::none) return;
  const QRect box(rect.right() - 9, rect.top(), 8, rect.height());
  drawTriangle(painter, box, m == SortMarker::ascending, palette().color(QPalette::ButtonText));
}

RowIndicator::RowIndicator(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {
  setSectionResizeMode(QHeaderView::Fixed);
  setSectionsClickable(false);
  setHighlightSections(false);
  setFixedWidth(kWidth);
}

QSize RowIndicator::sizeHint() const { return {kWidth, QHeaderView::sizeHint().height()}; }

void RowIndicator::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  painter->save();
  painter->fillRect(rect, palette().color(QPalette::Button));
  painter->setPen(palette().color(QPalette::Mid));
  painter->drawLine(rect.topRight(), rect.bottomRight());
  painter->drawLine(rect.bottomLeft(), rect.bottomRight());
  painter->restore();
  const auto* view = qobject_cast<const QAbstractItemView*>(parentWidget());
  if (view && view->currentIndex().isValid() && view->currentIndex().row() == logicalIndex) {
    // A right-pointing arrow at the current row.
    const QPointF c = QRectF(rect).center();
    QPainterPath path;
    path.moveTo(c.x() - 2, c.y() - 4);
    path.lineTo(c.x() + 2.5, c.y());
    path.lineTo(c.x() - 2, c.y() + 4);
    path.closeSubpath();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(palette().color(QPalette::ButtonText));
    painter->drawPath(path);
    painter->restore();
  }
}

LevelRowDelegate::LevelRowDelegate(int level, QObject* parent) : QStyledItemDelegate(parent), level_(level) {}

void LevelRowDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  CellState state;
  state.selected = option->state.testFlag(QStyle::State_Selected);
  state.focused = option->state.testFlag(QStyle::State_HasFocus);
  RowFacts row;
  row.recNo = index.data(CursorTableModel::RecNoRole).toInt();
  row.typeCode = level_ == 3 ? 0 : index.data(CursorTableModel::TypeCodeRole).toInt();
  row.bold = level_ == 2 && index.data(CursorTableModel::BoldRole).toBool();
  const CellStyle style = cellStyle(level_, state, row, colorTypes_);
  switch (style.text) {
    case TextColour::onHighlight:
      option->palette.setColor(QPalette::HighlightedText, option->palette.color(QPalette::Base));
      break;
    case TextColour::blue:
      option->palette.setColor(QPalette::Text, QColor(0, 0, 255));
      break;
    case TextColour::green:
      option->palette.setColor(QPalette::Text, QColor(0, 128, 0));
      break;
    case TextColour::ordinary:
      break;
  }
  if (style.background == Background::tooltip) option->backgroundBrush = option->palette.brush(QPalette::ToolTipBase);
  if (style.bold) option->font.setBold(true);
}

}  // namespace kestrin::browse
