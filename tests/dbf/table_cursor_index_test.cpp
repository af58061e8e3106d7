// The cursor in the order of an index tag: selecting and clearing tags,
// keeping the current record, stepping with a filter, counting, and Locate
// through a tag — checked against a sorted model of the table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>

#include "dbf/base/errors.h"
#include "dbf/cdx/cdx_keys.h"
#include "dbf/cursor/table_cursor.h"
#include "dbf/writer/cdx_writer.h"
#include "support/cursor_checks.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::dbf {
namespace {

using testing::backwardWalk;
using testing::errorOf;
using testing::forwardWalk;
using testing::TempDir;

struct Row {
  int kod;
  int number;
  std::string name;
  bool deleted;
};

// Twelve records in scrambled key order; record 4 deleted.
const std::vector<Row>& rows() {
  static const std::vector<Row> r = {
      {7, 30, "delta", false}, {2, 10, "alpha", false}, {11, -5, "kilo", false},  {5, 30, "echo", true},
      {1, 99, "bravo", false}, {9, 0, "juliet", false}, {3, 42, "hotel", false},  {12, 7, "lima", false},
      {4, 8, "golf", false},   {10, 1, "india", false}, {8, 2, "foxtrot", false}, {6, 3, "charlie", false},
  };
  return r;
}

std::string key7(int n) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%7d", n);
  return buffer;
}

void writeBase(const TempDir& dir) {
  std::vector<testing::TestRecord> records;
  auto tagInput = [](const char* name, const char* key, const char* forText, CdxKeyType type, int length,
                     bool descending) {
    CdxTagInput tag;
    tag.name = name;
    tag.keyExpression = key;
    tag.forExpression = forText;
    tag.keyType = type;
    tag.keyLength = static_cast<std::uint16_t>(length);
    tag.descending = descending;
    return tag;
  };
  CdxTagInput byKod = tagInput("KOD", "KOD", "", CdxKeyType::Character, 7, false);
  CdxTagInput byNumber = tagInput("NUM", "N", "", CdxKeyType::Numeric, 8, false);
  CdxTagInput byNameDown = tagInput("NAMEDOWN", "NAME", "", CdxKeyType::Character, 10, true);
  CdxTagInput bigOnly = tagInput("BIG", "KOD", "N>20", CdxKeyType::Character, 7, false);
  for (std::size_t i = 0; i < rows().size(); ++i) {
    const Row& row = rows()[i];
    const auto recno = static_cast<std::uint32_t>(i + 1);
    records.push_back({{key7(row.kod), static_cast<double>(row.number), row.name}, row.deleted});
    byKod.keys.push_back({key7(row.kod), recno});
    byNumber.keys.push_back({cdxNumberKeyBytes(row.number), recno});
    byNameDown.keys.push_back({row.name, recno});
    if (row.number > 20) bigOnly.keys.push_back({key7(row.kod), recno});
  }
  testing::writeTable(dir.file("T.DBF"), {{"KOD", 'C', 7, 0}, {"N", 'N', 4, 0}, {"NAME", 'C', 10, 0}}, records);
  writeCdxFile(dir.file("T.CDX"), {byKod, byNumber, byNameDown, bigOnly});
}

std::unique_ptr<TableCursor> openIndexed(const TempDir& dir, const std::string& tag = "") {
  auto cursor = std::make_unique<TableCursor>();
  cursor->setDatabaseName(dir.path());
  cursor->setTableName("T.DBF");
  cursor->setExactCount(true);
  cursor->setIndexFiles({"t.cdx"});
  cursor->setIndexName(tag);
  cursor->open();
  return cursor;
}

// The record numbers of the live rows ordered by `less`.
template <typename Less>
std::vector<int> modelOrder(Less less) {
  std::vector<int> order;
  for (std::size_t i = 0; i < rows().size(); ++i) {
    if (!rows()[i].deleted) order.push_back(static_cast<int>(i + 1));
  }
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return less(rows()[a - 1], rows()[b - 1]); });
  return order;
}

TEST(CursorIndex, EveryTagStepsInItsKeyOrderBothWays) {
  TempDir dir;
  writeBase(dir);
  struct Case {
    const char* tag;
    std::vector<int> order;
  };
  const Case cases[] = {
      {"KOD", modelOrder([](const Row& a, const Row& b) { return a.kod < b.kod; })},
      {"num", modelOrder([](const Row& a, const Row& b) { return a.number < b.number; })},
      {"NAMEDOWN", modelOrder([](const Row& a, const Row& b) { return a.name > b.name; })},
      {"BIG", modelOrder([](const Row& a, const Row& b) { return a.kod < b.kod; })},
  };
  for (const auto& c : cases) {
    auto cursor = openIndexed(dir, c.tag);
    std::vector<int> expected = c.order;
    if (std::string(c.tag) == "BIG") {
      std::erase_if(expected, [](int r) { return rows()[r - 1].number <= 20; });
    }
    EXPECT_EQ(forwardWalk(*cursor), expected) << c.tag;
    std::reverse(expected.begin(), expected.end());
    EXPECT_EQ(backwardWalk(*cursor), expected) << c.tag;
    EXPECT_EQ(static_cast<std::size_t>(cursor->recordCount()), expected.size()) << c.tag;
    EXPECT_FALSE(cursor->indexName().empty());
  }
}

TEST(CursorIndex, ChangingTheTagKeepsTheCurrentRecord) {
  TempDir dir;
  writeBase(dir);
  auto cursor = openIndexed(dir);
  cursor->gotoRecNo(3);  // KOD 11
  cursor->setIndexName("KOD");
  EXPECT_EQ(cursor->recNo(), 3);
  cursor->next();
  EXPECT_EQ(cursor->fieldByName("KOD").asString(), "     12");
  cursor->prior();
  cursor->prior();
  EXPECT_EQ(cursor->fieldByName("KOD").asString(), "     10");
  cursor->setIndexName("");
  EXPECT_EQ(cursor->recNo(), 10);  // physical order again, on the same record
  cursor->next();
  EXPECT_EQ(cursor->recNo(), 11);

  cursor->gotoRecNo(2);  // N = 10: not in the BIG tag, so the cursor goes to First
  cursor->setIndexName("BIG");
  const int afterChange = cursor->recNo();
  EXPECT_EQ(afterChange, forwardWalk(*cursor).front());
  EXPECT_EQ(errorOf([&] { cursor->setIndexName("NONE"); }), "Cannot find index tag NONE");
  EXPECT_EQ(cursor->indexName(), "BIG");
}

TEST(CursorIndex, FilterBitsNarrowTheTagOrder) {
  TempDir dir;
  writeBase(dir);
  auto cursor = openIndexed(dir, "NUM");
  cursor->setFilter("N >= 7 .AND. N < 40");
  cursor->setFiltered(true);
  EXPECT_EQ(forwardWalk(*cursor), (std::vector<int>{8, 9, 2, 1}));  // 7, 8, 10, 30 (record 4 deleted)
  EXPECT_EQ(cursor->recordCount(), 4);
  cursor->clearIndexFiles();
  EXPECT_EQ(forwardWalk(*cursor), (std::vector<int>{1, 2, 8, 9}));
}

TEST(CursorIndex, LocateSeeksThroughAMatchingTag) {
  TempDir dir;
  writeBase(dir);
  auto cursor = openIndexed(dir, "NAMEDOWN");
  EXPECT_TRUE(cursor->locate("KOD", {key7(9)}, {}));  // the KOD tag serves
  EXPECT_EQ(cursor->recNo(), 6);
  EXPECT_FALSE(cursor->locate("KOD", {key7(5)}, {}));  // deleted: passed over
  EXPECT_EQ(cursor->recNo(), 6);
  EXPECT_TRUE(cursor->locate("NAME", {std::string("ju")}, {false, true}));
  EXPECT_EQ(cursor->recNo(), 6);
  EXPECT_TRUE(cursor->locate("N", {42.0}, {}));
  EXPECT_EQ(cursor->recNo(), 7);
  cursor->next();  // the current tag is still NAMEDOWN: after hotel comes golf
  EXPECT_EQ(cursor->fieldByName("NAME").asString(), "golf");
}

TEST(CursorIndex, IndexFileErrors) {
  TempDir dir;
  writeBase(dir);
  TableCursor cursor;
  cursor.setDatabaseName(dir.path());
  cursor.setTableName("T.DBF");
  cursor.setIndexFiles({"none.cdx"});
  EXPECT_EQ(errorOf([&] { cursor.open(); }), "Cannot find file " + dir.file("none.cdx"));
  EXPECT_FALSE(cursor.active());
  cursor.setIndexFiles({"T.CDX", "t.cdx"});  // repeated at open: skipped
  cursor.open();
  cursor.setIndexFiles({"T.CDX"});
  EXPECT_EQ(errorOf([&] { cursor.addIndexFile("t.cdx"); }), "Index file " + dir.file("T.CDX") + " already open");
  testing::writeFileBytes(dir.file("BAD.CDX"), std::string(2048, 'x'));
  EXPECT_EQ(errorOf([&] { cursor.addIndexFile("BAD.CDX"); }), "Index file " + dir.file("BAD.CDX") + " is corrupted");
  EXPECT_EQ(cursor.indexFiles(), std::vector<std::string>{"T.CDX"});
  cursor.setIndexName("KOD");  // the good file is still open
  cursor.first();
  EXPECT_EQ(cursor.fieldByName("KOD").asString(), "      1");
}

}  // namespace
}  // namespace kestrin::dbf
