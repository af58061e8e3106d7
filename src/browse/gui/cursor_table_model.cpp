#include "browse/gui/cursor_table_model.h"

#include <QScopedValueRollback>

#include "browse/appended_records.h"
#include "browse/gui/qt_text.h"

namespace kestrin::browse {

namespace {

Qt::Alignment qtAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::right:
      return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::centre:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case Alignment::left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

CursorTableModel::CursorTableModel(int level, dbf::TableCursor& cursor, archive::ArchiveCursor which,
                                   archive::StoragePlaces* places, QObject* parent)
    : QAbstractTableModel(parent),
      level_(level),
      cursor_(cursor),
      map_(cursor),
      rows_(cursor),
      reader_(cursor, which),
      cells_(level, reader_.cursor(), places) {
  const auto columns = gridColumns(level);
  gridColumns_.assign(columns.begin(), columns.end());
  followReader();
  mapRows();
  cursor_.addObserver(this);
}

void CursorTableModel::mapRows() {
  try {
    map_.map();
  } catch (const std::exception&) {
    // Walking meets the same fault where it lies and reports it there; the
    // rows before it stay reachable.
    map_.clear();
  }
  knownRecords_ = cursor_.active() ? cursor_.table().recordCount() : 0;
}

int CursorTableModel::rowTotal() const { return map_.mapped() ? map_.count() : rows_.count(); }

int CursorTableModel::recNoOf(int row) const { return map_.mapped() ? map_.recNo(row) : rows_.recNo(row); }

void CursorTableModel::followReader() {
  try {
    reader_.follow();
  } catch (const std::exception& error) {
    emit engineError(QString::fromStdString(error.what()));
  }
}

bool CursorTableModel::readRow(int row) const {
  if (!reader_.active()) return false;
  reader_.moveTo(recNoOf(row));
  return true;
}

CursorTableModel::~CursorTableModel() { cursor_.removeObserver(this); }

int CursorTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rowTotal(); }

int CursorTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(gridColumns_.size());
}

QVariant CursorTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowTotal()) return {};
  const GridColumn& column = gridColumns_[static_cast<std::size_t>(index.column())];
  // Painting must go on past a record that cannot be read: its cells stay empty.
  try {
    switch (role) {
      case Qt::DisplayRole: {
        if (!readRow(index.row())) return {};
        const QString text = fromCp1251(cells_.text(index.column()));
        noteReadFault();
        return text;
      }
      case Qt::TextAlignmentRole:
        return QVariant::fromValue(qtAlignment(column.alignment));
      case RecNoRole:
        return recNoOf(index.row());
      case TypeCodeRole:
        return readRow(index.row()) ? cells_.typeCode() : 0;
      case BoldRole:
        return readRow(index.row()) && cells_.bold();
      default:
        return {};
    }
  } catch (const std::exception&) {
    reader_.forget();
    return {};
  }
}

void CursorTableModel::noteReadFault() const {
  if (faultTold_ || cells_.firstReadFault().empty()) return;
  faultTold_ = true;
  emit const_cast<CursorTableModel*>(this)->readFault(QString::fromStdString(cells_.firstReadFault()));
}

QVariant CursorTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  const GridColumn& column = gridColumns_[static_cast<std::size_t>(section)];
  switch (role) {
    case Qt::DisplayRole:
      return fromCp1251(column.title);
    case Qt::ToolTipRole:
      return column.hint.empty() ? QVariant() : QVariant(fromCp1251(column.hint));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
      return {};
  }
}

Qt::ItemFlags CursorTableModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool CursorTableModel::canFetchMore(const QModelIndex& parent) const {
  return !parent.isValid() && !map_.mapped() && !rows_.atEnd() && !inserting_;
}

void CursorTableModel::fetchMore(const QModelIndex& parent) {
  if (parent.isValid() || inserting_ || map_.mapped()) return;
  insertBatch(walkOrStop(kBatchRows));
}

RowBatch CursorTableModel::walkOrStop(int maxRows) {
  try {
    return rows_.walk(maxRows);
  } catch (const std::exception& error) {
    // The rows read so far stay; the view stops asking for more.
    emit engineError(QString::fromStdString(error.what()));
    return RowBatch{{}, true};
  }
}

void CursorTableModel::insertBatch(RowBatch batch) {
  if (batch.recNos.empty()) {
    rows_.append(std::move(batch));
    return;
  }
  // Views may ask for more rows while they hear of a change; they get them next time.
  const QScopedValueRollback inserting(inserting_, true);
  const int first = rows_.count();
  beginInsertRows({}, first, first + static_cast<int>(batch.recNos.size()) - 1);
  rows_.append(std::move(batch));
  endInsertRows();
}

int CursorTableModel::currentRow() {
  if (!cursor_.active() || cursor_.isEmpty()) return -1;
  const int recNo = cursor_.recNo();
  if (map_.mapped()) return map_.rowOf(recNo);
  int row = rows_.findFetched(recNo, lastCurrentRow_);
  // A record beyond the fetched rows: fetch on until it shows, in growing steps.
  int batchRows = kBatchRows;
  while (row < 0 && !rows_.atEnd()) {
    const int before = rows_.count();
    insertBatch(walkOrStop(batchRows));
    batchRows = std::min(batchRows * 4, 1 << 16);
    row = rows_.findFetched(recNo, before);
  }
  if (row >= 0) lastCurrentRow_ = row;
  return row;
}

void CursorTableModel::makeCurrent(int row) {
  if (row < 0 || row >= rowTotal() || !cursor_.active()) return;
  const int recNo = recNoOf(row);
  if (cursor_.recNo() == recNo) return;
  const QScopedValueRollback moving(movingCursor_, true);
  cursor_.gotoRecNo(recNo);
  lastCurrentRow_ = row;
}

void CursorTableModel::recordChanged() {
  if (!movingCursor_) emit cursorMoved();
}

void CursorTableModel::dataSetChanged() {
  if (movingCursor_) return;
  startOver();
  emit cursorMoved();
}

void CursorTableModel::activeChanged() {
  // A reopened table may have its memo file back: a fault is told again.
  cells_.forgetReadFault();
  faultTold_ = false;
  startOver();
}

void CursorTableModel::catchUp() {
  if (!cursor_.active()) return;
  try {
    // The cursor tells its observers of the wider view: this model starts over.
    knownRecords_ = std::max(knownRecords_, takeInAppendedRecords(cursor_, knownRecords_));
  } catch (const std::exception& error) {
    emit engineError(QString::fromStdString(error.what()));
  }
}

void CursorTableModel::startOver() {
  const QScopedValueRollback inserting(inserting_, true);
  beginResetModel();
  rows_.reset();
  map_.clear();
  followReader();
  mapRows();
  reader_.forget();
  lastCurrentRow_ = 0;
  endResetModel();
}

}  // namespace kestrin::browse
