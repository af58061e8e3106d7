// Opening and scrolling a file list of 1,000,000 records, timed. Runs only
// when KESTRIN_LARGE_BASE names a folder (level/DELO.DBF is written there the
// first time); the figures go to the output.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

#include "browse/gui/cursor_table_model.h"
#include "browse/gui/level_grid.h"
#include "browse/test_level_tables.h"
#include "dbf/writer/dbf_writer.h"
#include "demo/demo_schema.h"

namespace kestrin::browse {
namespace {

constexpr int kFiles = 1000000;

void writeLargeFileTable(const std::string& path) {
  const auto layout = demo::deloFields();
  dbf::DbfWriter writer(path, layout);
  std::vector<dbf::FieldValue> record(layout.size());
  const auto set = [&](const char* name, dbf::FieldValue value) {
    for (std::size_t i = 0; i < layout.size(); ++i) {
      if (layout[i].name == name) record[i] = std::move(value);
    }
  };
  const std::string title = text::utf8ToCp1251("Переписка с учреждениями о посевах за 19");
  for (int i = 1; i <= kFiles; ++i) {
    set("KOD", std::to_string(i));
    set("OPIS", std::to_string(i / 200 + 1));
    set("L1", std::to_string(i % 200 + 1));
    set("L4", title + std::to_string(20 + i % 80) + " г.");
    set("L10", "19" + std::to_string(20 + i % 80));
    set("L11", static_cast<long long>(i % 300));
    set("L13", static_cast<long long>(i % 5));
    set("L21", i % 7 == 0);
    writer.addRecord(record, i % 97 == 0);
  }
  writer.finish();
}

double ms(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

TEST(LargeLevel, OpenAndScrollAMillionFiles) {
  const char* base = std::getenv("KESTRIN_LARGE_BASE");
  if (!base) GTEST_SKIP() << "set KESTRIN_LARGE_BASE to a folder to time a level of 1,000,000 files";
  const std::string folder = std::string(base) + "/level";
  const std::string path = folder + "/DELO.DBF";
  if (!std::filesystem::exists(path)) {
    std::filesystem::create_directories(folder);
    writeLargeFileTable(path);
  }

  QElapsedTimer t;
  t.start();
  dbf::TableCursor files;
  testing::openLevel(files, archive::ArchiveCursor::Delo, folder);
  CursorTableModel model(2, files, archive::ArchiveCursor::Delo, nullptr);
  LevelGrid grid(&model);
  grid.resize(700, 600);
  grid.setGridFontSize(10);
  grid.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&grid));
  grid.followCursor();
  QApplication::processEvents();
  const double open = ms(t);
  std::printf("open, first rows painted: %.1f ms (%d rows fetched); record count %d\n", open, model.rowCount(),
              files.recordCount());

  // Page Down through the list: each step repaints a page of rows.
  double worstPage = 0;
  t.start();
  for (int i = 0; i < 200; ++i) {
    QElapsedTimer step;
    step.start();
    QTest::keyClick(&grid, Qt::Key_PageDown);
    QApplication::processEvents();
    worstPage = std::max(worstPage, ms(step));
  }
  std::printf("200 x PageDown: %.1f ms in all, worst %.2f ms; row %d, %d rows fetched, cursor on record %d\n", ms(t),
              worstPage, grid.currentIndex().row(), model.rowCount(), files.recNo());

  // The scroll bar dragged to its end again and again: each time a batch more.
  double worstDrag = 0;
  t.start();
  for (int i = 0; i < 200; ++i) {
    QElapsedTimer step;
    step.start();
    grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
    QApplication::processEvents();
    worstDrag = std::max(worstDrag, ms(step));
  }
  std::printf("200 x scroll bar to the end: %.1f ms in all, worst %.2f ms; %d rows fetched\n", ms(t), worstDrag,
              model.rowCount());

  // The far end: the last record becomes current (Up on the first row wraps there).
  t.start();
  files.last();
  QApplication::processEvents();
  std::printf("to the last record: %.1f ms; %d rows fetched, row %d\n", ms(t), model.rowCount(),
              grid.currentIndex().row());
  EXPECT_EQ(model.rowCount(), kFiles - kFiles / 97);

  t.start();
  files.first();
  QApplication::processEvents();
  std::printf("back to the first record (rows start over): %.1f ms\n", ms(t));
  EXPECT_LT(open, 1000);
  EXPECT_LT(worstPage, 100);
}

}  // namespace
}  // namespace kestrin::browse
