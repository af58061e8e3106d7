// The grid model over a level cursor: every row known at once (or, for a view
// narrowed by a record filter callback, rows fetched in batches), cells from
// the display columns, and the cursor's current record and the view's current
// row in step.
#include "browse/gui/cursor_table_model.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include "browse/test_level_tables.h"
#include "support/temp_dir.h"

namespace kestrin::browse {
namespace {

using kestrin::testing::TempDir;

class CursorTableModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::writeLevelTable(dir_.path(), archive::ArchiveCursor::Delo, testing::numberedFiles(1000, 10));
    testing::openLevel(cursor_, archive::ArchiveCursor::Delo, dir_.path());
    narrow();
    model_ = std::make_unique<CursorTableModel>(2, cursor_, archive::ArchiveCursor::Delo, nullptr);
  }
  virtual void narrow() {}

  void fetchAll() {
    while (model_->canFetchMore({})) model_->fetchMore({});
  }

  TempDir dir_;
  dbf::TableCursor cursor_;
  std::unique_ptr<CursorTableModel> model_;
};

TEST_F(CursorTableModelTest, PassesTheModelTester) {
  QAbstractItemModelTester tester(model_.get(), QAbstractItemModelTester::FailureReportingMode::Fatal);
  tester.setUseFetchMore(true);
  fetchAll();
  EXPECT_EQ(model_->rowCount(), 900);
  cursor_.setOnFilterRecord([](dbf::TableCursor& c) { return c.fieldByName("L1").asInteger() % 2 == 0; });
  cursor_.setFiltered(true);
  fetchAll();
  EXPECT_EQ(model_->rowCount(), 400);  // even numbers, less the deleted tens
}

// A record filter callback (here one that takes every record) can only be
// known by walking the view: its rows arrive in batches.
class WalkedCursorTableModelTest : public CursorTableModelTest {
 protected:
  void narrow() override {
    cursor_.setOnFilterRecord([](dbf::TableCursor&) { return true; });
    cursor_.setFiltered(true);
  }
};

TEST_F(CursorTableModelTest, EveryRowIsKnownAtOnce) {
  EXPECT_TRUE(model_->randomAccess());
  EXPECT_EQ(model_->rowCount(), 900);
  EXPECT_FALSE(model_->canFetchMore({}));
  EXPECT_EQ(model_->index(899, 0).data().toString(), QStringLiteral("999"));
  EXPECT_EQ(model_->index(449, 0).data(CursorTableModel::RecNoRole).toInt(), 499);
  EXPECT_EQ(cursor_.recNo(), 1);

  model_->makeCurrent(899);
  EXPECT_EQ(cursor_.recNo(), 999);
  cursor_.first();
  EXPECT_EQ(model_->currentRow(), 0);
  cursor_.last();
  EXPECT_EQ(model_->currentRow(), 899);
  cursor_.gotoRecNo(10);  // deleted: not among the rows
  EXPECT_EQ(model_->currentRow(), -1);
}

TEST_F(CursorTableModelTest, CursorAndCurrentRowInStep) {
  QSignalSpy moved(model_.get(), &CursorTableModel::cursorMoved);
  EXPECT_EQ(model_->currentRow(), 0);
  model_->makeCurrent(12);
  EXPECT_EQ(cursor_.recNo(), 14);  // rows 0..8 are 1..9, then 11..
  EXPECT_EQ(moved.count(), 0);
  cursor_.next();
  EXPECT_EQ(moved.count(), 1);
  EXPECT_EQ(model_->currentRow(), 13);
  cursor_.setIndexName("");  // the view is rebuilt around the same record
  EXPECT_EQ(model_->currentRow(), 13);
  EXPECT_EQ(model_->rowCount(), 900);
}

TEST_F(WalkedCursorTableModelTest, RowsArriveInBatches) {
  EXPECT_FALSE(model_->randomAccess());
  EXPECT_EQ(model_->rowCount(), 0);
  EXPECT_TRUE(model_->canFetchMore({}));
  model_->fetchMore({});
  EXPECT_EQ(model_->rowCount(), CursorTableModel::kBatchRows);
  fetchAll();
  EXPECT_EQ(model_->rowCount(), 900);
  EXPECT_FALSE(model_->canFetchMore({}));
}

TEST_F(CursorTableModelTest, CellsShowTheDisplayColumns) {
  model_->fetchMore({});
  const auto cell = [&](int row, int column, int role = Qt::DisplayRole) {
    return model_->index(row, column).data(role);
  };
  EXPECT_EQ(model_->columnCount(), 5);
  EXPECT_EQ(cell(0, 0).toString(), QStringLiteral("1"));
  EXPECT_EQ(cell(0, 1).toString(), QStringLiteral("Дело 1"));
  EXPECT_EQ(cell(8, 0).toString(), QStringLiteral("9"));
  EXPECT_EQ(cell(9, 0).toString(), QStringLiteral("11"));  // record 10 is deleted
  EXPECT_EQ(cell(9, 0, CursorTableModel::RecNoRole).toInt(), 11);
  EXPECT_EQ(cell(0, 3).toString(), QStringLiteral("н/д"));
  EXPECT_EQ(cell(1, 2, CursorTableModel::TypeCodeRole).toInt(), 2);
  EXPECT_TRUE(cell(6, 2, CursorTableModel::BoldRole).toBool());  // file 7
  EXPECT_EQ(cell(0, 0, Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignRight | Qt::AlignVCenter);
  EXPECT_EQ(model_->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Заголовок"));
  EXPECT_EQ(model_->headerData(4, Qt::Horizontal, Qt::ToolTipRole).toString(),
            QStringLiteral("Количество листов дела"));
  // Reading cells does not move the level cursor.
  EXPECT_EQ(cursor_.recNo(), 1);
}

TEST_F(WalkedCursorTableModelTest, CursorAndCurrentRowInStep) {
  QSignalSpy moved(model_.get(), &CursorTableModel::cursorMoved);
  model_->fetchMore({});
  EXPECT_EQ(model_->currentRow(), 0);

  model_->makeCurrent(12);
  EXPECT_EQ(cursor_.recNo(), 14);  // rows 0..8 are 1..9, then 11..
  EXPECT_EQ(moved.count(), 0);
  cursor_.next();
  EXPECT_EQ(moved.count(), 1);
  EXPECT_EQ(model_->currentRow(), 13);
  EXPECT_EQ(model_->rowCount(), CursorTableModel::kBatchRows);  // no reset for a step

  // A record beyond the fetched rows: rows are fetched up to it.
  cursor_.last();
  EXPECT_EQ(model_->currentRow(), 899);
  EXPECT_EQ(model_->rowCount(), 900);
}

TEST_F(CursorTableModelTest, StartsOverWhenTheCursorsDataChange) {
  fetchAll();
  QSignalSpy reset(model_.get(), &QAbstractItemModel::modelReset);
  cursor_.setOnFilterRecord([](dbf::TableCursor& c) { return c.fieldByName("L1").asInteger() > 995; });
  cursor_.setFiltered(true);
  EXPECT_GE(reset.count(), 1);
  fetchAll();
  EXPECT_EQ(model_->rowCount(), 4);  // 996..999; 1000 is deleted
  EXPECT_EQ(model_->index(0, 0).data().toString(), QStringLiteral("996"));

  cursor_.close();
  EXPECT_EQ(model_->rowCount(), 0);
  EXPECT_FALSE(model_->canFetchMore({}));
  EXPECT_FALSE(model_->index(0, 0).data().isValid());
}

}  // namespace
}  // namespace kestrin::browse
