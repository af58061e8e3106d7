// Writing the demo archive: the same seed gives the same bytes, the counts
// reported are the records written, and explicit file counts are kept.
#include "demo/demo_base.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "demo/demo_tables.h"
#include "demo/demo_test_archive.h"
#include "text/cp1251_utf8.h"

namespace kestrin::demo {
namespace {

namespace fs = std::filesystem;
using kestrin::testing::readFileBytes;
using kestrin::testing::TempDir;
using testing::openTable;
using testing::smallArchive;

// Every file under `root` by its path relative to it.
std::map<std::string, std::string> filesUnder(const std::string& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file())
      files[fs::relative(entry.path(), root).string()] = readFileBytes(entry.path().string());
  }
  return files;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

TEST(DemoArchive, SameSeedGivesTheSameBytes) {
  TempDir dir;
  DemoOptions options = demoOptionsForScale("small");
  options.seed = 7;
  writeDemoArchive(dir.path() + "/again", options);
  const auto first = filesUnder(dir.path() + "/again");
  const auto second = filesUnder(fs::path(smallArchive().archive.baseFolder).parent_path().string());
  ASSERT_EQ(first.size(), second.size());
  ASSERT_GT(first.size(), 30u);
  // The photo catalogue names its pictures by their full paths.
  const std::string here = text::utf8ToCp1251(dir.path() + "/again/");
  const std::string there =
      text::utf8ToCp1251(fs::path(smallArchive().archive.baseFolder).parent_path().string() + "/");
  for (const auto& [name, bytes] : first) {
    ASSERT_TRUE(second.count(name)) << name;
    if (name == "Photo/photo.dat") {
      EXPECT_EQ(replaced(bytes, here, there), second.at(name));
    } else {
      EXPECT_TRUE(bytes == second.at(name)) << name << " differs";
    }
  }
}

TEST(DemoArchive, AnotherSeedGivesAnotherBase) {
  TempDir dir;
  DemoOptions options = demoOptionsForFiles(200);
  options.seed = 8;
  writeDemoBase(dir.path(), options);
  EXPECT_NE(readFileBytes(dir.path() + "/FOND.DBF"), readFileBytes(smallArchive().archive.baseFolder + "/FOND.DBF"));
}

TEST(DemoArchive, CountsAreTheRecordsWritten) {
  const DemoArchive& archive = smallArchive().archive;
  const DemoCounts& c = archive.counts;
  std::map<std::string, long long> live;
  long long deleted = 0;
  for (const DemoTableFile& file : demoTableFiles()) {
    const auto visible = openTable(archive.baseFolder, file.file);
    const auto all = openTable(archive.baseFolder, file.file, /*withDeleted=*/true);
    live[std::string(file.file)] = visible->recordCount();
    EXPECT_GT(all->recordCount(), visible->recordCount()) << file.file << " has no deleted record";
    deleted += all->recordCount() - visible->recordCount();
  }
  EXPECT_EQ(live["FOND.DBF"], c.fonds);
  EXPECT_EQ(live["OPIS.DBF"], c.inventories);
  EXPECT_EQ(live["DELO.DBF"], c.files);
  EXPECT_EQ(live["DOCUM.DBF"], c.documents);
  EXPECT_EQ(live["FOND3.DBF"], c.renamings);
  EXPECT_EQ(live["OPIS2.DBF"], c.topography);
  EXPECT_EQ(live["DELO5.DBF"], c.photoRecords);
  EXPECT_EQ(live["RUBRIKA2.DBF"], c.rubrics);
  EXPECT_EQ(live["PERSONA1.DBF"] + live["GEOGRAF1.DBF"] + live["TEMATIK1.DBF"] + live["PERSONA2.DBF"] +
                live["GEOGRAF2.DBF"] + live["TEMATIK2.DBF"],
            c.keywords);
  EXPECT_EQ(deleted, c.deleted);
  // The small scale: about fifty fonds, three thousand files, three documents a file.
  EXPECT_EQ(c.files, 3000);
  EXPECT_GT(c.fonds, 35);
  EXPECT_LT(c.fonds, 75);
  EXPECT_GT(c.documents, 2500 * 3);
  EXPECT_LT(c.documents, 3500 * 3);
  EXPECT_GT(c.deleted, 50);
  EXPECT_GT(c.photos.folders, 20);
  EXPECT_LE(c.photos.folders, 150);
}

TEST(DemoArchive, ExplicitFileCountsAreKept) {
  for (long long files : {1LL, 37LL, 250LL}) {
    TempDir dir;
    const DemoCounts c = writeDemoBase(dir.path(), demoOptionsForFiles(files));
    EXPECT_EQ(c.files, files);
    EXPECT_EQ(openTable(dir.path(), "DELO.DBF")->recordCount(), files);
  }
}

TEST(DemoArchive, ScalesAndTheirLimits) {
  EXPECT_EQ(demoOptionsForScale("small").files, 3000);
  EXPECT_EQ(demoOptionsForScale("medium").files, 100000);
  EXPECT_EQ(demoOptionsForScale("large").files, 1000000);
  EXPECT_THROW(demoOptionsForScale("huge"), std::invalid_argument);
  EXPECT_THROW(demoOptionsForFiles(0), std::invalid_argument);
}

}  // namespace
}  // namespace kestrin::demo
