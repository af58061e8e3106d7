// The tables and indexes of the demo base as the program reads them: every
// table fits its cursor, every tag walks in the order of its key expression
// and finds each record, and the records hang together.
#include "demo/demo_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "archive/model/archive_schema.h"
#include "dbf/expr/handler.h"
#include "dbf/table/dbf_table.h"
#include "demo/demo_indexes.h"
#include "demo/demo_test_archive.h"

namespace kestrin::demo {
namespace {

using testing::openTable;
using testing::smallArchive;

const std::string& baseFolder() { return smallArchive().archive.baseFolder; }

// The named fields of every live record, in record order.
std::vector<std::map<std::string, std::string>> rowsOf(std::string_view tableFile,
                                                       std::initializer_list<const char*> fields) {
  auto cursor = openTable(baseFolder(), tableFile);
  std::vector<std::map<std::string, std::string>> rows;
  for (cursor->first(); !cursor->eof(); cursor->next()) {
    auto& row = rows.emplace_back();
    for (const char* field : fields) row[field] = cursor->fieldByName(field).asString();
  }
  return rows;
}

std::set<std::string> valuesOf(std::string_view tableFile, const char* field) {
  std::set<std::string> values;
  for (const auto& row : rowsOf(tableFile, {field})) values.insert(row.at(field));
  return values;
}

class DemoTableTest : public ::testing::TestWithParam<DemoTableFile> {};

TEST_P(DemoTableTest, HasTheDeclaredFieldsOfItsCursorAndLiveRecords) {
  const DemoTableFile& file = GetParam();
  const dbf::DbfTable table(baseFolder() + "/" + std::string(file.file));
  EXPECT_EQ(schemaMismatches(table.fieldDescriptors(), file.cursor), std::vector<std::string>{});

  dbf::TableCursor cursor;
  setUpArchiveCursor(cursor, file.cursor);
  cursor.setTableName(std::string(file.file));
  cursor.setDatabaseName(baseFolder());
  cursor.setExactCount(true);
  ASSERT_NO_THROW(openArchiveCursor(cursor, file.cursor));
  EXPECT_GT(cursor.recordCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(AllTables, DemoTableTest,
                         ::testing::ValuesIn(demoTableFiles().begin(), demoTableFiles().end()),
                         [](const auto& p) { return std::string(p.param.file.substr(0, p.param.file.find('.'))); });

class DemoTagTest : public ::testing::TestWithParam<DemoTag> {};

// The live records ordered by the key expression as the engine evaluates it,
// equal keys in record order: the order the tag must give.
std::vector<int> recordsInKeyOrder(const DemoTag& tag) {
  auto all = openTable(baseFolder(), tag.tableFile, /*withDeleted=*/true);
  dbf::ExprHandler key(&all->table().exprLink(), all->table().tableAlias());
  key.setExpression(tag.expression);
  std::vector<std::pair<std::string, int>> keyed;
  for (int r = 1; r <= all->table().recordCount(); ++r) {
    all->table().readRecord(r);
    if (!all->table().currentRecord().isDeleted()) keyed.emplace_back(std::string(key.evaluate().asText()), r);
  }
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<int> records;
  for (const auto& k : keyed) records.push_back(k.second);
  return records;
}

TEST_P(DemoTagTest, WalksInKeyOrderAndFindsEveryRecord) {
  const DemoTag& tag = GetParam();
  const std::vector<int> expected = recordsInKeyOrder(tag);
  ASSERT_FALSE(expected.empty());

  auto cursor = openTable(baseFolder(), tag.tableFile);
  cursor->setIndexFiles({std::string(tag.indexFile)});
  cursor->setIndexName(std::string(tag.name));
  std::vector<int> forward;
  for (cursor->first(); !cursor->eof(); cursor->next()) forward.push_back(cursor->recNo());
  EXPECT_EQ(forward, expected);
  std::vector<int> backward;
  for (cursor->last(); !cursor->bof(); cursor->prior()) backward.push_back(cursor->recNo());
  std::reverse(backward.begin(), backward.end());
  EXPECT_EQ(backward, expected);

  // The cursor finds a record's place by its key: each key must be the one
  // the expression gives for that record.
  int lost = 0;
  for (int recNo : expected) lost += cursor->table().positionOn(recNo) ? 0 : 1;
  EXPECT_EQ(lost, 0);
}

INSTANTIATE_TEST_SUITE_P(AllTags, DemoTagTest, ::testing::ValuesIn(demoTags().begin(), demoTags().end()),
                         [](const auto& p) {
                           return std::string(p.param.indexFile.substr(0, p.param.indexFile.find('.'))) + "_" +
                                  std::string(p.param.name);
                         });

struct Reference {
  const char* childTable;
  const char* childField;
  const char* parentTable;
};

// Every live record names a live parent: keyword, rubric and renaming entries
// lead to real fonds, inventories and files.
TEST(DemoReferences, EveryChildNamesALiveParent) {
  const Reference references[] = {
      {"OPIS.DBF", "FOND", "FOND.DBF"},     {"DELO.DBF", "OPIS", "OPIS.DBF"},     {"DOCUM.DBF", "DELO", "DELO.DBF"},
      {"FOND3.DBF", "FOND", "FOND.DBF"},    {"OPIS2.DBF", "OPIS", "OPIS.DBF"},    {"DELO5.DBF", "DELO", "DELO.DBF"},
      {"RUBRIKA2.DBF", "OPIS", "OPIS.DBF"}, {"PERSONA1.DBF", "FOND", "FOND.DBF"}, {"GEOGRAF1.DBF", "FOND", "FOND.DBF"},
      {"TEMATIK1.DBF", "FOND", "FOND.DBF"}, {"PERSONA2.DBF", "FOND", "DELO.DBF"}, {"GEOGRAF2.DBF", "FOND", "DELO.DBF"},
      {"TEMATIK2.DBF", "FOND", "DELO.DBF"},
  };
  for (const Reference& r : references) {
    const std::set<std::string> parents = valuesOf(r.parentTable, "KOD");
    const std::set<std::string> children = valuesOf(r.childTable, r.childField);
    ASSERT_FALSE(children.empty()) << r.childTable;
    for (const std::string& key : children) {
      EXPECT_TRUE(parents.count(key)) << r.childTable << "." << r.childField << " \"" << key << "\"";
    }
  }
}

// The counts a fond and an inventory record carry agree with their children.
TEST(DemoReferences, CountsOfFondsAndInventoriesAgreeWithTheirChildren) {
  std::map<std::string, long long> filesOfInventory;
  for (const auto& row : rowsOf("DELO.DBF", {"OPIS"})) ++filesOfInventory[row.at("OPIS")];
  std::map<std::string, long long> inventoriesOfFond;
  std::map<std::string, long long> filesOfFond;
  for (const auto& row : rowsOf("OPIS.DBF", {"KOD", "FOND", "G7"})) {
    EXPECT_EQ(std::stoll(row.at("G7")), filesOfInventory[row.at("KOD")]) << "inventory " << row.at("KOD");
    ++inventoriesOfFond[row.at("FOND")];
    filesOfFond[row.at("FOND")] += std::stoll(row.at("G7"));
  }
  auto fonds = openTable(baseFolder(), "FOND.DBF");
  for (fonds->first(); !fonds->eof(); fonds->next()) {
    const std::string key = fonds->fieldByName("KOD").asString();
    EXPECT_EQ(fonds->fieldByName("A5").asInteger(), inventoriesOfFond[key]) << "fond " << key;
    long long byInventories = 0;
    for (const char* field : {"A32", "A33", "A34", "A35", "A36", "A37", "A38"}) {
      byInventories += fonds->fieldByName(field).asInteger();
    }
    EXPECT_EQ(byInventories, filesOfFond[key]) << "fond " << key;
  }
}

}  // namespace
}  // namespace kestrin::demo
