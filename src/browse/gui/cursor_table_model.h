// A grid model over a level cursor that never copies the table: the rows are
// the cursor's visible records, all of them known at once through a row map
// (browse/cursor_row_map.h), so the scroll bar stands for the whole list and
// any row is found without walking to it. A view the map cannot know (one
// narrowed by a record filter callback) is walked instead, its rows fetched in
// batches as the view scrolls. A cell is computed from one record read by
// number. The cursor's current record and the view's current row are kept in
// step both ways; when the cursor reports new data the model starts over.
#pragma once

#include <QAbstractTableModel>
#include <memory>
#include <vector>

#include "browse/cursor_row_map.h"
#include "browse/cursor_rows.h"
#include "browse/grid_columns.h"
#include "browse/level_cells.h"
#include "browse/row_reader.h"
#include "dbf/cursor/cursor_observer.h"

namespace kestrin::browse {

class CursorTableModel : public QAbstractTableModel, private dbf::CursorObserver {
  Q_OBJECT

 public:
  // Roles beyond Qt's for the row drawing.
  enum Role { RecNoRole = Qt::UserRole + 1, TypeCodeRole, BoldRole };

  // Rows fetched at a time while the view is walked.
  static constexpr int kBatchRows = 256;

  // `cursor` is the level cursor of `which`; `places` serves the fond
  // column "Хр." (may be null). Both must outlive the model.
  CursorTableModel(int level, dbf::TableCursor& cursor, archive::ArchiveCursor which, archive::StoragePlaces* places,
                   QObject* parent = nullptr);
  ~CursorTableModel() override;

  int level() const { return level_; }
  dbf::TableCursor& cursor() { return cursor_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool canFetchMore(const QModelIndex& parent) const override;
  void fetchMore(const QModelIndex& parent) override;

  // True while every row is known at once; false while the rows are walked.
  bool randomAccess() const { return map_.mapped(); }
  // True when rowCount() is the whole list: mapped, or walked to its end.
  bool allRowsKnown() const { return map_.mapped() || rows_.atEnd(); }

  // Takes in the records another program appended to the table since the
  // rows were known (the filter scanned again where one is set); only the
  // file's size is read when nothing was appended. Engine errors go to
  // engineError.
  void catchUp();

  // The row of the cursor's current record (while walking, fetching rows up
  // to it when needed); -1 when the cursor has none or the view does not hold it.
  int currentRow();
  // Makes the record of `row` the cursor's current record.
  void makeCurrent(int row);

 signals:
  // The cursor's current record moved by other hands than makeCurrent.
  void cursorMoved();
  // Walking the table failed; the rows read before stay.
  void engineError(const QString& message);
  // A cell met a damaged or missing memo file (or a damaged value) and shows
  // it empty; said once while the table stays open. Connect it queued: it is
  // emitted while the view paints.
  void readFault(const QString& message);

 private:
  void recordChanged() override;
  void dataSetChanged() override;
  void activeChanged() override;
  void startOver();
  // Maps the view when it can be; otherwise the rows will be walked.
  void mapRows();
  int rowTotal() const;
  int recNoOf(int row) const;
  void followReader();
  // Positions the reader on the record of `row`; false when it cannot.
  bool readRow(int row) const;
  void insertBatch(RowBatch batch);
  void noteReadFault() const;
  RowBatch walkOrStop(int maxRows);

  int level_;
  dbf::TableCursor& cursor_;
  std::vector<GridColumn> gridColumns_;
  CursorRowMap map_;
  CursorRows rows_;
  mutable RowReader reader_;
  LevelCells cells_;
  int lastCurrentRow_ = 0;
  int knownRecords_ = 0;  // the table's records when the rows were known
  bool movingCursor_ = false;
  bool inserting_ = false;  // a change is being announced
  mutable bool faultTold_ = false;
};

}  // namespace kestrin::browse
