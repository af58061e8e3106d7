// Parent records found by key beside the level cursor find what Locate on the
// unfiltered cursor without index files finds, for keys of every shape.
#include "browse/card/parent_table.h"

#include <gtest/gtest.h>

#include "archive/model/archive_schema.h"
#include "browse/card/card_test_base.h"

namespace kestrin::browse::testing {
namespace {

using archive::ArchiveCursor;

struct KeyRow {
  std::string kod;
  bool deleted = false;
};

void writeOpis(const std::string& folder, const std::vector<KeyRow>& rows) {
  const auto layout = demo::demoFieldSpecs(ArchiveCursor::Opis);
  std::vector<kestrin::testing::TestRecord> records;
  for (const KeyRow& row : rows) {
    kestrin::testing::TestRecord record;
    for (const auto& field : layout) {
      if (field.name == "KOD") {
        record.values.emplace_back(row.kod);
      } else if (field.name == "OKOD") {
        record.values.emplace_back(std::to_string(records.size() + 1));
      } else {
        record.values.emplace_back();
      }
    }
    record.deleted = row.deleted;
    records.push_back(record);
  }
  kestrin::testing::writeTable(folder + "/OPIS.DBF", layout, records);
}

class ParentTableTest : public ::testing::Test {
 protected:
  void open() {
    archive::setUpArchiveCursor(level_, ArchiveCursor::Opis);
    level_.setDatabaseName(dir_.path());
    archive::openArchiveCursor(level_, ArchiveCursor::Opis);
  }
  // The record Locate finds on the unfiltered level cursor; 0 for none.
  int located(const std::string& key) { return level_.locate("KOD", {key}, {}) ? level_.recNo() : 0; }
  int found(const std::string& key) { return foundBy(parents_, key); }
  static int foundBy(ParentTable& parents, const std::string& key) {
    const dbf::TableCursor* cursor = parents.find("KOD", key);
    return cursor ? cursor->recNo() : 0;
  }

  kestrin::testing::TempDir dir_{"kestrin-parent-table-test"};
  dbf::TableCursor level_;
  ParentTable parents_{level_};
};

TEST_F(ParentTableTest, FindsWhatLocateFinds) {
  writeOpis(dir_.path(), {{"      3", true},
                          {"      1"},
                          {"      3"},
                          {"      3"},
                          {"12"},
                          {"   0012"},
                          {"abc"},
                          {""},
                          {"9999999"},
                          {"      1"},
                          {"  -5"},
                          {"      2", true}});
  open();
  // A map built in the background at the opening answers alike.
  ParentTable prepared(level_);
  prepared.prepare("KOD");
  for (const std::string key : {"      1", "      3", "      2", "     12", "12", "12     ", "   0012", "abc", "",
                                "       ", "9999999", "99999999", "  -5", "      4", "1"}) {
    EXPECT_EQ(found(key), located(key)) << "key '" << key << "'";
    EXPECT_EQ(foundBy(prepared, key), located(key)) << "prepared, key '" << key << "'";
  }
  EXPECT_EQ(found("      3"), 3);
  EXPECT_EQ(found("      2"), 0);
}

TEST_F(ParentTableTest, FollowsChangesOfTheOpenTable) {
  writeOpis(dir_.path(), {{"      1"}, {"      2"}});
  open();
  EXPECT_EQ(found("      2"), 2);
  // Another program rewrites record 2 and appends record 3 while the table is open.
  writeOpis(dir_.path(), {{"      1"}, {"      7"}, {"      2"}});
  EXPECT_EQ(found("      2"), 3);
  EXPECT_EQ(found("      7"), 2);
  // A reopened cursor is followed: the map is made again.
  level_.close();
  writeOpis(dir_.path(), {{"      2"}});
  level_.open();
  EXPECT_EQ(found("      2"), 1);
  EXPECT_EQ(found("      7"), 0);
}

TEST_F(ParentTableTest, ClosedLevelCursorFindsNothing) {
  writeOpis(dir_.path(), {{"      1"}});
  EXPECT_EQ(parents_.find("KOD", "      1"), nullptr);
}

}  // namespace
}  // namespace kestrin::browse::testing
