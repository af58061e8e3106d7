#include "browse/gui/level_grid.h"

#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>

#include "browse/gui/grid_parts.h"
#include "browse/gui/qt_text.h"

namespace kestrin::browse {

LevelGrid::LevelGrid(CursorTableModel* model, QWidget* parent)
    : QTableView(parent),
      model_(model),
      header_(new MarkerHeader(this)),
      delegate_(new LevelRowDelegate(model->level(), this)) {
  setHorizontalHeader(header_);
  setVerticalHeader(new RowIndicator(this));
  setModel(model_);
  setItemDelegate(delegate_);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setWordWrap(false);
  setShowGrid(true);
  setCornerButtonEnabled(false);
  setTabKeyNavigation(false);
  // The selected row stays visible when the grid loses the focus.
  QPalette p = palette();
  for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
    p.setColor(QPalette::Inactive, role, p.color(QPalette::Active, role));
  }
  setPalette(p);
  header_->setSectionResizeMode(QHeaderView::Interactive);
  header_->setStretchLastSection(false);
  header_->setMinimumSectionSize(4);

  const auto columns = gridColumns(model->level());
  for (std::size_t i = 0; i < columns.size(); ++i) {
    designWidths_.push_back(columns[i].width);
    header_->setMarker(static_cast<int>(i), columns[i].initialMarker);
  }
  setGridFontSize(font().pointSize());
  connect(header_, &QHeaderView::sectionClicked, this, [this](int column) {
    const auto titles = gridColumns(level());
    if (column >= 0 && static_cast<std::size_t>(column) < titles.size() &&
        titles[static_cast<std::size_t>(column)].titleButton) {
      emit titleClicked(column);
    }
  });
  connect(header_, &QHeaderView::sectionResized, this, &LevelGrid::onSectionResized);
  connect(this, &LevelGrid::columnWidthChanged, this, &LevelGrid::fitTitleColumn);
  connect(model_, &CursorTableModel::cursorMoved, this, &LevelGrid::followCursor);
  connect(model_, &QAbstractItemModel::modelReset, this, &LevelGrid::followCursor);
  followCursor();
}

void LevelGrid::setColorTypes(bool on) {
  delegate_->setColorTypes(on);
  viewport()->update();
}

bool LevelGrid::colorTypes() const { return delegate_->colorTypes(); }

void LevelGrid::setGridFontSize(int points) {
  QFont f = font();
  f.setPointSize(points);
  setFont(f);
  const int rowHeight = QFontMetrics(f).height() + 4;
  verticalHeader()->setDefaultSectionSize(rowHeight);
  verticalHeader()->setMinimumSectionSize(rowHeight);
  const QString sample = fromCp1251(charWidthSample());
  // A cell's text is drawn inside the style's focus margin plus one pixel on
  // either side, left of the grid line.
  const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1;
  scale_ = ColumnScale(QFontMetricsF(f).horizontalAdvance(sample) / sample.size(), margins);
  showDesignWidths();
}

std::vector<int> LevelGrid::columnWidths() const {
  std::vector<int> widths;
  for (int i = 0; i < header_->count(); ++i) widths.push_back(header_->sectionSize(i));
  return widths;
}

void LevelGrid::setDesignWidths(const std::vector<int>& widths) {
  for (std::size_t i = 0; i < widths.size() && i < designWidths_.size(); ++i) designWidths_[i] = widths[i];
  showDesignWidths();
}

void LevelGrid::showDesignWidths() {
  fitting_ = true;
  for (std::size_t i = 0; i < designWidths_.size() && static_cast<int>(i) < header_->count(); ++i) {
    if (i == 1) continue;  // the title column takes the room left
    header_->resizeSection(static_cast<int>(i), std::max(0, scale_.toScreen(designWidths_[i])));
  }
  fitting_ = false;
  fitTitleColumn();
}

QString LevelGrid::cutCellText(const QModelIndex& index) const {
  if (!index.isValid()) return {};
  const QString text = index.data(Qt::DisplayRole).toString();
  if (text.isEmpty()) return {};
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.rect = visualRect(index);
  // The delegate's size hint is the text with the style's margins, in the
  // cell's own font (bold rows included).
  return itemDelegateForIndex(index)->sizeHint(option, index).width() > option.rect.width() ? text : QString();
}

bool LevelGrid::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QTableView::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QModelIndex index = indexAt(help->pos());
  const QString text = cutCellText(index);
  if (text.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(help->globalPos(), text, viewport(), visualRect(index));
  }
  return true;
}

void LevelGrid::fitTitleColumn() {
  if (header_->count() < 2) return;
  const std::vector<int> widths = columnWidths();
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const int title = fittedTitleColumnWidth(width(), widths, scrollBar);
  fitting_ = true;
  header_->resizeSection(1, std::max(0, title));
  fitting_ = false;
}

std::vector<SortMarker> LevelGrid::markers() const {
  std::vector<SortMarker> all = header_->markers();
  all.resize(static_cast<std::size_t>(header_->count()), SortMarker::none);
  return all;
}

void LevelGrid::setMarker(int column, SortMarker marker) { header_->setMarker(column, marker); }

void LevelGrid::onSectionResized(int column, int, int newSize) {
  if (fitting_ || column == 1) return;
  if (column >= 0 && static_cast<std::size_t>(column) < designWidths_.size()) {
    designWidths_[static_cast<std::size_t>(column)] = scale_.toDesign(newSize);
  }
  emit columnWidthChanged();
}

void LevelGrid::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  fitTitleColumn();
}

void LevelGrid::followCursor() {
  const int row = model_->currentRow();
  following_ = true;
  if (row < 0) {
    selectionModel()->clearCurrentIndex();
    clearSelection();
  } else {
    const QModelIndex index = model_->index(row, std::max(0, currentIndex().column()));
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
  }
  following_ = false;
  verticalHeader()->viewport()->update();
}

QModelIndex LevelGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  if (action != MoveHome && action != MoveEnd) return QTableView::moveCursor(action, modifiers);
  // A walked view learns its end by walking there.
  if (action == MoveEnd) {
    while (model_->canFetchMore({})) model_->fetchMore({});
  }
  const int rows = model_->rowCount();
  if (rows == 0) return {};
  return model_->index(action == MoveHome ? 0 : rows - 1, std::max(0, currentIndex().column()));
}

void LevelGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  verticalHeader()->viewport()->update();
  if (!following_ && current.isValid()) model_->makeCurrent(current.row());
}

}  // namespace kestrin::browse
