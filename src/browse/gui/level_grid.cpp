#include "browse/gui/level_grid.h"

#include <QScrollBar>

#include "browse/gui/grid_parts.h"

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
    const int column = static_cast<int>(i);
    header_->resizeSection(column, columns[i].width);
    header_->setMarker(column, columns[i].initialMarker);
  }
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
}

std::vector<int> LevelGrid::columnWidths() const {
  std::vector<int> widths;
  for (int i = 0; i < header_->count(); ++i) widths.push_back(header_->sectionSize(i));
  return widths;
}

void LevelGrid::setColumnWidths(const std::vector<int>& widths) {
  fitting_ = true;
  for (std::size_t i = 0; i < widths.size() && static_cast<int>(i) < header_->count(); ++i) {
    header_->resizeSection(static_cast<int>(i), std::max(0, widths[i]));
  }
  fitting_ = false;
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

void LevelGrid::onSectionResized(int column, int, int) {
  if (fitting_ || column == 1) return;
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
