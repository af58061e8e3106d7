// The window over a base that is not as it should be or changes while it is
// open: the record count a person reads agrees with the rows they can scroll
// to, records another program appends come in at the next page change, a
// missing memo file is said once without a box, and a missing level table is
// said on its page and in the status bar until another base is opened.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/fake_platform.h"
#include "app/frame/level_pages.h"
#include "app/gui/main_window.h"
#include "app/gui/navigation_controller.h"
#include "app/gui/pages_controller.h"
#include "app/gui/record_count_status.h"
#include "app/gui/startup_controller.h"
#include "browse/gui/cursor_table_model.h"
#include "browse/gui/level_grid.h"
#include "browse/gui/qt_text.h"
#include "browse/test_level_tables.h"
#include "demo/demo_base.h"
#include "support/temp_dir.h"

namespace kestrin::app {
namespace {

namespace fs = std::filesystem;
using archive::ArchiveCursor;
using archive::Level;
using browse::testing::numberedFiles;
using browse::testing::TestRow;
using browse::testing::writeLevelTable;
using kestrin::testing::readFileBytes;

class ChangingBaseTest : public ::testing::Test {
 protected:
  ChangingBaseTest() {
    fs::create_directories(root_.path() + "/program");
    fs::create_directories(base());
    platform_.program = root_.path() + "/program/";
    platform_.appData = root_.path() + "/config";
    platform_.bare = root_.path() + "/";
  }

  std::string base() const { return root_.path() + "/base"; }

  void writeBase(const std::vector<TestRow>& files) {
    w_.reset();
    writeLevelTable(base(), ArchiveCursor::Fond, {});
    writeLevelTable(base(), ArchiveCursor::Opis, {});
    writeLevelTable(base(), ArchiveCursor::Delo, files);
    writeLevelTable(base(), ArchiveCursor::Doc, {});
  }

  void start() {
    w_ = std::make_unique<MainWindow>(platform_);
    StartupController(*w_).run(base());
  }

  QString status() const { return w_->statusPanel(1)->text(); }
  static QString countText(int count) { return browse::fromCp1251(recordCountText(true, count)); }

  int rows(Level level) const {
    QAbstractItemModel* model = w_->pages().grid(level)->model();
    while (model->canFetchMore({})) model->fetchMore({});
    return model->rowCount();
  }

  // The file table as another program leaves it after appending `files`
  // (numbered on from the ones there): whole records over the end mark.
  void appendFiles(int had, int more) {
    const std::string scratch = root_.path() + "/scratch";
    fs::create_directories(scratch);
    const std::string bigger = readFileBytes(writeLevelTable(scratch, ArchiveCursor::Delo, numberedFiles(had + more)));
    dbf::TableCursor& delo = w_->tables().delo;
    const auto start = static_cast<std::size_t>(delo.table().headerLength() + had * delo.table().recordLength());
    std::fstream file(base() + "/DELO.DBF", std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(start));
    file.write(bigger.data() + start, static_cast<std::streamsize>(bigger.size() - start));
  }

  kestrin::testing::TempDir root_{"changing-base"};
  fakes::FakePlatform platform_;
  std::unique_ptr<MainWindow> w_;
};

TEST_F(ChangingBaseTest, CountLeavesDeletedRecordsOut) {
  const struct {
    int files;
    int deletedEvery;
    int listed;
  } cases[] = {{30, 0, 30}, {30, 3, 20}, {30, 1, 0}, {1200, 7, 1029}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.deletedEvery);
    writeBase(numberedFiles(c.files, c.deletedEvery));
    start();
    w_->pages().showPage(kDeloPage);
    EXPECT_EQ(rows(Level::Files), c.listed);
    EXPECT_EQ(status(), countText(c.listed));
  }
}

TEST_F(ChangingBaseTest, WalkedListIsCountedWithoutHoldingTheWindow) {
  writeBase(numberedFiles(3000, 4));
  start();
  dbf::TableCursor& delo = w_->tables().delo;
  // A record filter (the advanced search's date range) can only be walked.
  delo.setOnFilterRecord([](dbf::TableCursor& c) { return c.fieldByName("L1").asString().back() != '1'; });
  delo.setFiltered(true);
  w_->pages().showPage(kDeloPage);
  EXPECT_EQ(status(), QStringLiteral("Записей: не более 3 000 (подсчёт...)"));
  EXPECT_TRUE(w_->pages().recordCount().counting());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !w_->pages().recordCount().counting(); }, 10000));
  EXPECT_EQ(status(), countText(1950));  // 2250 live, 300 of them ending in 1
  EXPECT_EQ(rows(Level::Files), 1950);
}

TEST_F(ChangingBaseTest, CountUnderWayGivesWayToAnotherText) {
  writeBase(numberedFiles(3000));
  start();
  dbf::TableCursor& delo = w_->tables().delo;
  delo.setOnFilterRecord([](dbf::TableCursor&) { return true; });
  delo.setFiltered(true);
  w_->pages().showPage(kDeloPage);
  ASSERT_TRUE(w_->pages().recordCount().counting());
  w_->statusPanel(1)->setText(QStringLiteral("другой текст"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !w_->pages().recordCount().counting(); }, 10000));
  EXPECT_EQ(status(), QStringLiteral("другой текст"));
}

TEST_F(ChangingBaseTest, AppendedRowsAppearAfterAPageChange) {
  const struct {
    const char* filter;
    int shownAfter;
  } cases[] = {{"", 25}, {"VAL(L1) > 18", 7}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.filter);
    writeBase(numberedFiles(20));
    start();
    dbf::TableCursor& delo = w_->tables().delo;
    if (*c.filter) {
      delo.setFilter(c.filter);
      delo.setFiltered(true);
    }
    w_->pages().showPage(kDeloPage);
    const int before = rows(Level::Files);
    EXPECT_EQ(status(), countText(before));
    appendFiles(20, 5);
    EXPECT_EQ(rows(Level::Files), before);  // a snapshot until the page is shown again
    w_->pages().showPage(kOpisPage);
    w_->pages().showPage(kDeloPage);
    EXPECT_EQ(rows(Level::Files), c.shownAfter);
    EXPECT_EQ(status(), countText(c.shownAfter));
    // Nothing appended since: the list stays as it is.
    w_->pages().showPage(kDeloPage);
    EXPECT_EQ(rows(Level::Files), c.shownAfter);
  }
}

TEST_F(ChangingBaseTest, AppendedRowsAppearAfterShowAll) {
  writeBase(numberedFiles(20));
  start();
  w_->pages().showPage(kDeloPage);
  appendFiles(20, 3);
  w_->navigation().showAll();
  EXPECT_EQ(rows(Level::Files), 23);
  EXPECT_EQ(status(), countText(23));
}

TEST_F(ChangingBaseTest, MissingMemoFileIsSaidOnceWithoutABox) {
  demo::writeDemoLevelTables(base(), {});
  fs::remove(base() + "/DELO.FPT");
  start();
  w_->pages().showPage(kDeloPage);
  const QString said = QStringLiteral("Файл DELO.FPT не найден или повреждён: тексты из него в списке не показаны.");
  QAbstractItemModel* model = w_->pages().grid(Level::Files)->model();
  const auto paint = [&] {
    for (int row = 0; row < std::min(model->rowCount(), 50); ++row) {
      for (int column = 0; column < model->columnCount(); ++column) model->index(row, column).data();
    }
    QApplication::processEvents();
  };
  paint();
  EXPECT_EQ(status(), said);
  EXPECT_TRUE(w_->statusPanel(1)->toolTip().contains(QStringLiteral("DELO")));  // the engine's words
  EXPECT_TRUE(w_->findChildren<QMessageBox*>().isEmpty());
  w_->statusPanel(1)->setText(QString());
  paint();
  EXPECT_EQ(status(), QString());  // once
}

TEST_F(ChangingBaseTest, MissingLevelTableIsSaidWhereThePersonLooks) {
  writeBase(numberedFiles(5));
  fs::remove(base() + "/DOCUM.DBF");
  start();
  const QString said = QString::fromStdString("Файл \"" + base() + "/Docum.dbf\" не найден.");
  for (const int page : {kDocPage, kFondPage, kDeloPage, kDocPage, kPhotoPage}) {
    SCOPED_TRACE(page);
    w_->pages().showPage(page);
    const bool docPage = page == kDocPage;
    EXPECT_EQ(w_->pages().problemLabel(Level::Documents)->isVisibleTo(w_.get()), docPage);
    EXPECT_EQ(w_->pages().problemLabel(Level::Documents)->text(), said);
    EXPECT_FALSE(w_->pages().problemLabel(Level::Files)->isVisibleTo(w_.get()));  // its table is open
    // A page whose list is there counts it.
    if (page == kDeloPage) {
      EXPECT_EQ(status(), countText(5));
    } else if (page == kFondPage) {
      EXPECT_EQ(status(), countText(0));
    } else {
      EXPECT_EQ(status(), said);
    }
  }
}

}  // namespace
}  // namespace kestrin::app
