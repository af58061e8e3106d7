// The level grid as a person meets it: titles with their markers, clicks on
// titles, the current row and the level cursor in step, the title column
// taking the room the others leave.
#include "browse/gui/level_grid.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "browse/test_level_tables.h"
#include "support/temp_dir.h"

namespace kestrin::browse {
namespace {

class LevelGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::writeLevelTable(dir_.path(), archive::ArchiveCursor::Delo, testing::numberedFiles(40));
    testing::openLevel(cursor_, archive::ArchiveCursor::Delo, dir_.path());
    model_ = std::make_unique<CursorTableModel>(2, cursor_, archive::ArchiveCursor::Delo, nullptr);
    grid_ = std::make_unique<LevelGrid>(model_.get());
    grid_->resize(600, 300);
    grid_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(grid_.get()));
  }

  QImage titleImage(int column) {
    QHeaderView* header = grid_->horizontalHeader();
    const QRect section(header->sectionViewportPosition(column), 0, header->sectionSize(column), header->height());
    return header->grab(section).toImage();
  }

  kestrin::testing::TempDir dir_;
  dbf::TableCursor cursor_;
  std::unique_ptr<CursorTableModel> model_;
  std::unique_ptr<LevelGrid> grid_;
};

TEST_F(LevelGridTest, MarkersAreDrawn) {
  const QImage plain = titleImage(0);
  grid_->setMarker(0, SortMarker::ascending);
  const QImage up = titleImage(0);
  grid_->setMarker(0, SortMarker::descending);
  const QImage down = titleImage(0);
  EXPECT_NE(plain, up);
  EXPECT_NE(up, down);
  grid_->setMarker(0, SortMarker::none);
  EXPECT_EQ(titleImage(0), plain);
}

TEST_F(LevelGridTest, OnlyTitleButtonsReportClicks) {
  QSignalSpy clicks(grid_.get(), &LevelGrid::titleClicked);
  QHeaderView* header = grid_->horizontalHeader();
  for (int column : {0, 1, 2, 4}) {
    QTest::mouseClick(
        header->viewport(), Qt::LeftButton, {},
        QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2));
  }
  ASSERT_EQ(clicks.count(), 2);
  EXPECT_EQ(clicks[0][0].toInt(), 0);
  EXPECT_EQ(clicks[1][0].toInt(), 1);
}

TEST_F(LevelGridTest, CurrentRowAndCursorInStep) {
  EXPECT_EQ(grid_->currentIndex().row(), 0);  // the cursor's record from the start
  grid_->setCurrentIndex(model_->index(4, 2));
  EXPECT_EQ(cursor_.recNo(), 5);
  cursor_.next();
  EXPECT_EQ(grid_->currentIndex().row(), 5);
  cursor_.last();
  EXPECT_EQ(grid_->currentIndex().row(), 39);
  EXPECT_TRUE(grid_->selectionModel()->isRowSelected(39, {}));
}

TEST_F(LevelGridTest, HomeAndEndReachTheEndsOfTheWholeList) {
  grid_->setFocus();
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int row;
  } presses[] = {{Qt::Key_End, Qt::ControlModifier, 39},
                 {Qt::Key_Home, Qt::ControlModifier, 0},
                 {Qt::Key_End, Qt::NoModifier, 39},
                 {Qt::Key_Home, Qt::NoModifier, 0}};
  grid_->setCurrentIndex(model_->index(3, 2));
  for (const auto& press : presses) {
    QTest::keyClick(grid_.get(), press.key, press.modifiers);
    EXPECT_EQ(grid_->currentIndex().row(), press.row) << press.key;
    EXPECT_EQ(grid_->currentIndex().column(), 2) << "the current column stays";
    EXPECT_EQ(cursor_.recNo(), press.row + 1);
  }
}

TEST(LevelGrid, ScrollBarStandsForTheWholeList) {
  kestrin::testing::TempDir dir;
  testing::writeLevelTable(dir.path(), archive::ArchiveCursor::Delo, testing::numberedFiles(3000, 7));
  dbf::TableCursor cursor;
  testing::openLevel(cursor, archive::ArchiveCursor::Delo, dir.path());
  CursorTableModel model(2, cursor, archive::ArchiveCursor::Delo, nullptr);
  LevelGrid grid(&model);
  grid.resize(600, 300);
  grid.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
  QScrollBar* bar = grid.verticalScrollBar();
  EXPECT_EQ(bar->maximum() + bar->pageStep(), 3000 - 3000 / 7);
  // The thumb dragged to the bottom shows the last file.
  bar->setValue(bar->maximum());
  EXPECT_EQ(grid.rowAt(grid.viewport()->height() - 2), model.rowCount() - 1);
  EXPECT_EQ(model.index(model.rowCount() - 1, 0).data().toString(), QStringLiteral("3000"));
}

TEST_F(LevelGridTest, TitleColumnTakesTheRoomLeft) {
  const int title = grid_->columnWidths()[1];
  grid_->horizontalHeader()->resizeSection(3, grid_->columnWidths()[3] + 30);
  EXPECT_EQ(grid_->columnWidths()[1], title - 30);
  grid_->resize(grid_->width() - 50, grid_->height());
  EXPECT_EQ(grid_->columnWidths()[1], title - 80);
}

}  // namespace
}  // namespace kestrin::browse
