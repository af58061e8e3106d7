// A demo base damaged by byte surgery on a copy: a damaged index file or
// table is reported once, naming the file, and every list that can still be
// read stays listed — in record order where its index is the damaged file.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <filesystem>

#include "app/fake_platform.h"
#include "app/frame/level_pages.h"
#include "app/gui/main_window.h"
#include "app/gui/navigation_controller.h"
#include "app/gui/pages_controller.h"
#include "app/gui/startup_controller.h"
#include "browse/gui/level_grid.h"
#include "dbf/cdx/cdx_file.h"
#include "dbf/cdx/cdx_tag.h"
#include "demo/demo_base.h"
#include "support/temp_dir.h"

namespace kestrin::app {
namespace {

namespace fs = std::filesystem;
using archive::Level;
using kestrin::testing::readFileBytes;
using kestrin::testing::writeFileBytes;

std::uint32_t le32(const std::string& image, std::size_t at) {
  const auto b = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(image[at + i])); };
  return b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24;
}
std::uint32_t be32(const std::string& image, std::size_t at) {
  const auto b = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(image[at + i])); };
  return b(0) << 24 | b(1) << 16 | b(2) << 8 | b(3);
}

// Claims 150 keys in the first leaf of `tag`, more than the leaf's bytes hold.
void damageFirstLeaf(const std::string& path, const char* tag) {
  std::uint32_t header = 0;
  {
    auto file = dbf::CdxFile::open(path);
    header = file->findTag(tag)->headerOffset();
  }
  std::string image = readFileBytes(path);
  const std::size_t keyLength = static_cast<unsigned char>(image[header + 12]) |
                                static_cast<std::size_t>(static_cast<unsigned char>(image[header + 13])) << 8;
  std::uint32_t node = le32(image, header);
  while ((static_cast<unsigned char>(image[node]) & 2) == 0) node = be32(image, node + 12 + keyLength + 4);
  image[node + 2] = static_cast<char>(150);
  image[node + 3] = 0;
  writeFileBytes(path, image);
}

class DamagedBaseTest : public ::testing::Test {
 protected:
  DamagedBaseTest() {
    fs::create_directories(root_.path() + "/program");
    fs::create_directories(base());
    platform_.program = root_.path() + "/program/";
    platform_.appData = root_.path() + "/config";
    platform_.bare = root_.path() + "/";
    demo::writeDemoLevelTables(base(), {});
  }

  std::string base() const { return root_.path() + "/base"; }

  void start() {
    w_ = std::make_unique<MainWindow>(platform_);
    StartupController(*w_).run(base());
  }

  QStringList boxTexts() const {
    QStringList texts;
    for (QMessageBox* box : w_->findChildren<QMessageBox*>()) texts << box->text();
    return texts;
  }

  int rows(Level level) const {
    QAbstractItemModel* model = w_->pages().grid(level)->model();
    while (model->canFetchMore({})) model->fetchMore({});
    return model->rowCount();
  }

  kestrin::testing::TempDir root_{"damaged-base"};
  fakes::FakePlatform platform_;
  std::unique_ptr<MainWindow> w_;
};

TEST_F(DamagedBaseTest, DamagedFondIndexLeavesTheFondsInRecordOrder) {
  damageFirstLeaf(base() + "/FOND.CDX", "FKOD");
  start();
  EXPECT_EQ(boxTexts(), QStringList{"Индексный файл FOND.CDX поврежден, список показан без сортировки."});
  EXPECT_EQ(w_->statusPanel(1)->text(), boxTexts().front());
  EXPECT_TRUE(w_->tables().fond.indexFiles().empty());
  const int held = w_->tables().fond.recordCount();
  EXPECT_GT(held, 0);
  EXPECT_EQ(rows(Level::Fonds), held);
  EXPECT_EQ(w_->pages().grid(Level::Fonds)->markers()[0], browse::SortMarker::none);

  // The title buttons no longer offer the damaged file: nothing more to report.
  emit w_->pages().grid(Level::Fonds)->titleClicked(0);
  w_->pages().showPage(kOpisPage);
  w_->pages().showPage(kFondPage);
  EXPECT_EQ(boxTexts().size(), 1);
  EXPECT_TRUE(w_->tables().fond.indexFiles().empty());
  EXPECT_EQ(rows(Level::Fonds), held);
}

TEST_F(DamagedBaseTest, DamagedFileIndexMetByADrillDownIsReportedOnce) {
  damageFirstLeaf(base() + "/DELO.CDX", "DELO");
  start();
  ASSERT_TRUE(boxTexts().isEmpty());
  w_->pages().showPage(kOpisPage);
  auto drill = [&](int row) {
    w_->pages().grid(Level::Inventories)->setCurrentIndex(w_->pages().grid(Level::Inventories)->model()->index(row, 1));
    w_->navigation().menus().pmOpis->defaultAction()->trigger();
  };
  drill(0);
  EXPECT_EQ(w_->pages().activePage(), kDeloPage);
  EXPECT_EQ(boxTexts(), QStringList{"Индексный файл DELO.CDX поврежден, список показан без сортировки."});
  EXPECT_TRUE(w_->tables().delo.indexFiles().empty());
  const int files = w_->tables().delo.recordCount();
  EXPECT_GT(files, 0);
  EXPECT_EQ(rows(Level::Files), files);
  EXPECT_EQ(w_->pages().grid(Level::Files)->markers()[0], browse::SortMarker::none);

  w_->pages().showPage(kOpisPage);
  drill(1);
  EXPECT_EQ(boxTexts().size(), 1);  // once
  EXPECT_GT(rows(Level::Files), 0);
}

TEST_F(DamagedBaseTest, TruncatedFondTableLeavesTheOtherLevelsUsable) {
  const std::string fond = base() + "/FOND.DBF";
  writeFileBytes(fond, readFileBytes(fond).substr(0, 20));
  start();
  const auto boxes = w_->findChildren<QMessageBox*>();
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_EQ(boxes.front()->text(), QStringLiteral("Таблица FOND.DBF повреждена или занята другой программой."));
  EXPECT_TRUE(boxes.front()->informativeText().contains(QStringLiteral("FOND.DBF")));
  EXPECT_EQ(w_->windowTitle(), QStringLiteral("Кестрин 5.0"));
  EXPECT_EQ(w_->statusPanel(1)->text(), boxes.front()->text());
  EXPECT_EQ(rows(Level::Fonds), 0);
  EXPECT_EQ(w_->pages().grid(Level::Fonds)->markers()[0], browse::SortMarker::none);  // nothing is sorted
  for (const Level level : {Level::Inventories, Level::Files, Level::Documents}) {
    w_->pages().showPage(static_cast<int>(level));
    EXPECT_GT(rows(level), 0) << static_cast<int>(level);
    EXPECT_TRUE(w_->statusPanel(1)->text().startsWith(QStringLiteral("Записей: ")));
  }
}

}  // namespace
}  // namespace kestrin::app
