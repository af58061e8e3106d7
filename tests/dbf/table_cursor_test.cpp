// The table cursor: stepping, visibility, counting, bookmarks, Locate and the
// field value mapping, checked against a plain model of the table.
#include "dbf/cursor/table_cursor.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "dbf/base/errors.h"
#include "dbf/cursor/memo_stream.h"
#include "dbf/cursor/table_path.h"
#include "support/cursor_checks.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::dbf {
namespace {

using testing::backwardWalk;
using testing::errorOf;
using testing::forwardWalk;
using testing::TempDir;
using testing::TestRecord;
using testing::writeTable;

// Ten records KOD 1..10; records 3 and 7 deleted.
std::string tenRecords(const TempDir& dir, const char* name = "T.DBF") {
  std::vector<TestRecord> records;
  for (int i = 1; i <= 10; ++i) {
    records.push_back({{std::string(std::to_string(i)), static_cast<double>(i * 10)}, i == 3 || i == 7});
  }
  return writeTable(dir.file(name), {{"KOD", 'C', 7, 0}, {"N", 'N', 5, 0}}, records);
}

std::unique_ptr<TableCursor> openCursor(const TempDir& dir, const char* table = "T.DBF") {
  auto cursor = std::make_unique<TableCursor>();
  cursor->setDatabaseName(dir.path());
  cursor->setTableName(table);
  cursor->open();
  return cursor;
}

TEST(TableCursor, StepsOverDeletedRecordsBothWays) {
  TempDir dir;
  tenRecords(dir);
  auto cursor = openCursor(dir);
  EXPECT_EQ(forwardWalk(*cursor), (std::vector<int>{1, 2, 4, 5, 6, 8, 9, 10}));
  EXPECT_EQ(backwardWalk(*cursor), (std::vector<int>{10, 9, 8, 6, 5, 4, 2, 1}));
  cursor->last();
  EXPECT_EQ(cursor->recNo(), 10);
  cursor->next();
  EXPECT_TRUE(cursor->eof());
  EXPECT_EQ(cursor->recNo(), 10);  // the current record stays
}

TEST(TableCursor, UseDeletedShowsEveryRecord) {
  TempDir dir;
  tenRecords(dir);
  TableCursor cursor;
  cursor.setDatabaseName(dir.path());
  cursor.setTableName("T");
  cursor.setUseDeleted(true);
  cursor.open();
  EXPECT_EQ(forwardWalk(cursor).size(), 10u);
}

TEST(TableCursor, IsDeletedTellsTheMarkOfTheCurrentRecord) {
  TempDir dir;
  tenRecords(dir);
  TableCursor cursor;
  EXPECT_EQ(errorOf([&] { (void)cursor.isDeleted(); }), "Cannot perform this operation on a closed dataset");
  cursor.setDatabaseName(dir.path());
  cursor.setTableName("T");
  cursor.setUseDeleted(true);
  cursor.open();
  std::vector<int> deleted;
  for (cursor.first(); !cursor.eof(); cursor.next()) {
    if (cursor.isDeleted()) deleted.push_back(cursor.recNo());
  }
  EXPECT_EQ(deleted, (std::vector<int>{3, 7}));
  // The mark follows the record the cursor moved to, whichever way it got there.
  const struct {
    int recNo;
    bool deleted;
  } cases[] = {{7, true}, {8, false}, {3, true}, {1, false}};
  for (const auto& c : cases) {
    cursor.gotoRecNo(c.recNo);
    EXPECT_EQ(cursor.isDeleted(), c.deleted) << c.recNo;
  }
}

TEST(TableCursor, IsDeletedIsFalseWithoutACurrentRecord) {
  TempDir dir;
  writeTable(dir.file("D.DBF"), {{"A", 'C', 1, 0}}, {{{std::string("a")}, true}});
  auto cursor = openCursor(dir, "D.DBF");
  ASSERT_TRUE(cursor->isEmpty());
  EXPECT_FALSE(cursor->isDeleted());
}

TEST(TableCursor, CountsVisibleRecordsOnlyWithExactCount) {
  TempDir dir;
  tenRecords(dir);
  auto cursor = openCursor(dir);
  EXPECT_EQ(cursor->recordCount(), 10);
  cursor->setExactCount(true);
  cursor->next();
  EXPECT_EQ(cursor->recordCount(), 8);
  EXPECT_EQ(cursor->recNo(), 2);  // counting leaves the current record alone
  cursor->next();
  EXPECT_EQ(cursor->recNo(), 4);
}

TEST(TableCursor, AllDeletedTableIsEmpty) {
  TempDir dir;
  writeTable(dir.file("D.DBF"), {{"A", 'C', 1, 0}}, {{{std::string("a")}, true}, {{std::string("b")}, true}});
  auto cursor = openCursor(dir, "D.DBF");
  EXPECT_TRUE(cursor->eof());
  EXPECT_TRUE(cursor->bof());
  EXPECT_TRUE(cursor->isEmpty());
  EXPECT_EQ(cursor->recordCount(), 2);
  cursor->setExactCount(true);
  EXPECT_EQ(cursor->recordCount(), 0);
  EXPECT_TRUE(cursor->fields()[0].isNull());
}

TEST(TableCursor, FilterCallbackNarrowsTheViewOnlyWhileFiltered) {
  TempDir dir;
  tenRecords(dir);
  auto cursor = openCursor(dir);
  int calls = 0;
  cursor->setOnFilterRecord([&](TableCursor& c) {
    ++calls;
    return c.fieldByName("N").asInteger() % 20 == 0;  // reads the candidate record
  });
  EXPECT_EQ(forwardWalk(*cursor).size(), 8u);
  EXPECT_EQ(calls, 0);
  cursor->setFiltered(true);
  EXPECT_EQ(forwardWalk(*cursor), (std::vector<int>{2, 4, 6, 8, 10}));
  EXPECT_EQ(backwardWalk(*cursor), (std::vector<int>{10, 8, 6, 4, 2}));
  cursor->setExactCount(true);
  EXPECT_EQ(cursor->recordCount(), 5);
  cursor->setOnFilterRecord([](TableCursor&) { return false; });
  EXPECT_TRUE(cursor->isEmpty());
}

TEST(TableCursor, BookmarksReturnEvenToHiddenRecords) {
  TempDir dir;
  tenRecords(dir);
  auto cursor = openCursor(dir);
  cursor->next();
  const Bookmark mark = cursor->getBookmark();
  EXPECT_EQ(mark, Bookmark{2});
  cursor->last();
  cursor->gotoBookmark(mark);
  EXPECT_EQ(cursor->recNo(), 2);
  EXPECT_FALSE(cursor->eof());
  EXPECT_FALSE(cursor->bof());

  cursor->gotoBookmark(Bookmark{3});  // a deleted record
  EXPECT_EQ(cursor->recNo(), 3);
  EXPECT_EQ(cursor->fieldByName("KOD").asString(), "3");

  for (const int bad : {0, -1}) {
    EXPECT_EQ(errorOf([&] { cursor->gotoBookmark(Bookmark{bad}); }), "Bookmark is invalid for table T.DBF") << bad;
  }
  EXPECT_EQ(errorOf([&] { cursor->gotoBookmark(Bookmark{11}); }),
            "Record number 11 is not in table " + dir.file("T.DBF"));
}

TEST(TableCursor, LocateWithoutIndexWalksTheVisibleRecords) {
  TempDir dir;
  writeTable(dir.file("L.DBF"), {{"KOD", 'C', 7, 0}, {"NAME", 'C', 10, 0}, {"N", 'N', 4, 0}},
             {{{std::string("      1"), std::string("Alpha"), 5.0}},
              {{std::string("      2"), std::string("beta"), 6.0}, true},
              {{std::string("      2"), std::string("Beta"), 7.0}},
              {{std::string("     12"), std::string("Gamma"), 8.0}}});
  auto cursor = openCursor(dir, "L.DBF");
  EXPECT_TRUE(cursor->locate("KOD", {std::string("      2")}, {}));
  EXPECT_EQ(cursor->recNo(), 3);  // the deleted record 2 is passed over
  EXPECT_TRUE(cursor->locate("NAME", {std::string("gam")}, {true, true}));
  EXPECT_EQ(cursor->recNo(), 4);
  EXPECT_FALSE(cursor->locate("NAME", {std::string("gam")}, {}));
  EXPECT_EQ(cursor->recNo(), 4);  // not found: the cursor stays
  EXPECT_TRUE(cursor->locate("KOD;N", {std::string("      2"), 7.0}, {}));
  EXPECT_EQ(cursor->recNo(), 3);
  EXPECT_TRUE(cursor->locate("n", {std::string("5")}, {}));
  EXPECT_EQ(cursor->recNo(), 1);
  EXPECT_EQ(errorOf([&] { cursor->locate("N", {std::string("x")}, {}); }), "Invalid Number value for field N");
  EXPECT_EQ(errorOf([&] { cursor->locate("N", {123456.0}, {}); }), "numeric value too big in field N");
  EXPECT_EQ(errorOf([&] { cursor->locate("NONE", {std::string("x")}, {}); }), "Field 'NONE' not found");
}

TEST(TableCursor, DeliversValuesByTheCursorMapping) {
  TempDir dir;
  writeTable(dir.file("V.DBF"),
             {{"S", 'C', 6, 0},
              {"SMALL", 'N', 4, 0},
              {"INT", 'N', 9, 0},
              {"BIG", 'N', 12, 0},
              {"F", 'N', 6, 2},
              {"D", 'D', 8, 0},
              {"L", 'L', 1, 0},
              {"M", 'M', 10, 0},
              {"X", 'X', 3, 0}},
             {{{std::string("  ab"), std::string(" 2.5"), std::string("123456789"), std::string("12345678901"),
                std::string("  1.25"), std::string("20010229"), std::string("y"), std::string("memo")}},
              {{std::string(""), std::string(" 3.5"), std::string(""), std::string(""), std::string(""),
                std::string("19991231"), std::string("?"), std::string("")}}});
  auto cursor = openCursor(dir, "V.DBF");
  ASSERT_EQ(cursor->fields().size(), 8u);  // the X field has no cursor field
  EXPECT_EQ(cursor->fieldByName("SMALL").type(), FieldType::SmallInt);
  EXPECT_EQ(cursor->fieldByName("INT").type(), FieldType::Integer);
  EXPECT_EQ(cursor->fieldByName("BIG").type(), FieldType::LargeInt);
  EXPECT_EQ(cursor->fieldByName("F").type(), FieldType::Float);

  EXPECT_EQ(cursor->fieldByName("S").asString(), "  ab");
  EXPECT_EQ(cursor->fieldByName("SMALL").asInteger(), 2);  // halves to even
  EXPECT_EQ(cursor->fieldByName("INT").asInteger(), 123456789);
  EXPECT_EQ(cursor->fieldByName("BIG").asInteger(), 12345678901LL);
  EXPECT_DOUBLE_EQ(cursor->fieldByName("F").asFloat(), 1.25);
  EXPECT_TRUE(cursor->fieldByName("D").isNull());  // impossible date
  EXPECT_TRUE(cursor->fieldByName("L").asBoolean());
  EXPECT_EQ(cursor->fieldByName("M").asString(), "memo");
  EXPECT_FALSE(cursor->fieldByName("M").isNull());

  cursor->next();
  EXPECT_TRUE(cursor->fieldByName("S").isNull());
  EXPECT_EQ(cursor->fieldByName("SMALL").asInteger(), 4);
  EXPECT_FALSE(cursor->fieldByName("INT").isNull());
  EXPECT_EQ(cursor->fieldByName("INT").asInteger(), 0);
  EXPECT_EQ(cursor->fieldByName("D").asString(), "31.12.1999");
  EXPECT_FALSE(cursor->fieldByName("L").asBoolean());
  EXPECT_TRUE(cursor->fieldByName("M").isNull());
}

TEST(TableCursor, DeclaredFieldsBindByName) {
  TempDir dir;
  tenRecords(dir);
  TableCursor cursor;
  cursor.setDatabaseName(dir.path());
  cursor.setTableName("T.DBF");
  cursor.declareField("n", FieldType::SmallInt);
  EXPECT_EQ(errorOf([&] { cursor.open(); }), "Type mismatch for field 'n', expecting: SmallInt actual: Integer");
  EXPECT_FALSE(cursor.active());

  TableCursor missing;
  missing.setDatabaseName(dir.path());
  missing.setTableName("T.DBF");
  missing.declareField("KOD", FieldType::String);
  missing.declareField("FKOD", FieldType::String);
  EXPECT_EQ(errorOf([&] { missing.open(); }), "Field 'FKOD' not found");

  TableCursor good;
  good.setDatabaseName(dir.path());
  good.setTableName("T.DBF");
  good.declareField("N", FieldType::Integer);
  good.open();
  ASSERT_EQ(good.fields().size(), 1u);
  EXPECT_EQ(good.fields()[0].asInteger(), 10);
  EXPECT_EQ(errorOf([&] { good.fieldByName("KOD"); }), "Field 'KOD' not found");
}

TEST(TableCursor, OpenAndStateErrors) {
  TempDir dir;
  tenRecords(dir);
  TableCursor cursor;
  EXPECT_EQ(errorOf([&] { cursor.open(); }), "Table name missing");
  cursor.setDatabaseName(dir.path());
  cursor.setTableName("NONE.DBF");
  EXPECT_EQ(errorOf([&] { cursor.open(); }), "Cannot find file " + dir.path() + "/NONE.DBF");
  EXPECT_EQ(errorOf([&] { cursor.recordCount(); }), "Cannot perform this operation on a closed dataset");
  cursor.setTableName("t.dbf");  // matched without regard to case
  cursor.open();
  EXPECT_EQ(cursor.recNo(), 1);
  EXPECT_EQ(errorOf([&] { cursor.setTableName("X"); }), "Cannot perform this operation on an open dataset");
  cursor.close();
  EXPECT_FALSE(cursor.active());
}

TEST(TableCursor, ObserversHearOfChangesUnlessControlsAreDisabled) {
  struct Counter : CursorObserver {
    int records = 0;
    int dataSets = 0;
    void recordChanged() override { ++records; }
    void dataSetChanged() override { ++dataSets; }
  } counter;
  TempDir dir;
  tenRecords(dir);
  auto cursor = openCursor(dir);
  cursor->addObserver(&counter);
  cursor->next();
  EXPECT_EQ(counter.records, 1);
  cursor->disableControls();
  cursor->disableControls();
  cursor->next();
  cursor->first();
  cursor->enableControls();
  EXPECT_EQ(counter.records, 1);
  EXPECT_EQ(counter.dataSets, 0);
  cursor->enableControls();
  EXPECT_EQ(counter.dataSets, 1);
  cursor->removeObserver(&counter);
}

TEST(TableCursor, FilterTextIsStoredUntilFiltered) {
  TempDir dir;
  tenRecords(dir);
  auto cursor = openCursor(dir);
  cursor->setFilter("N > 50");
  EXPECT_EQ(cursor->filter(), "N > 50");
  EXPECT_EQ(forwardWalk(*cursor).size(), 8u);  // not filtered: nothing changes
}

}  // namespace
}  // namespace kestrin::dbf

namespace kestrin::dbf {
namespace {

TEST(MemoStream, ReadsAndSeeksTheWholeMemo) {
  TempDir dir;
  writeTable(dir.file("M.DBF"), {{"MEMO", 'M', 10, 0}}, {{{std::string("0123456789")}}, {{std::string()}}});
  auto cursor = openCursor(dir, "M.DBF");
  MemoStream stream(cursor->fieldByName("MEMO"));
  EXPECT_EQ(stream.seek(0, SeekOrigin::End), 10);
  EXPECT_EQ(stream.seek(0, SeekOrigin::Beginning), 0);
  char buffer[32] = {};
  EXPECT_EQ(stream.read(buffer, 20), 10u);  // a request for 20 returns the 10 there are
  EXPECT_EQ(std::string(buffer), "0123456789");
  EXPECT_EQ(stream.seek(-3, SeekOrigin::Current), 7);
  EXPECT_EQ(stream.read(buffer, 2), 2u);
  EXPECT_EQ(std::string(buffer, 2), "78");
  cursor->next();
  EXPECT_EQ(MemoStream(cursor->fieldByName("MEMO")).size(), 0);
}

TEST(TablePath, FoldersAliasesAndLetterCase) {
  TempDir dir;
  writeTable(dir.file("Opis2.DBF"), {{"A", 'C', 1, 0}}, {});
  testing::writeFileBytes(dir.file("dbalias.cfg"), "[Other]\nX=/nowhere\n[Alias]\nARCHIVE = " + dir.path() + "\n");
  loadAliasFile(dir.file("dbalias.cfg"));
  EXPECT_EQ(databaseFolder("archive"), dir.path() + "/");
  EXPECT_EQ(databaseFolder("X"), "X/");  // only the [Alias] section counts
  EXPECT_EQ(registerDatabaseName(dir.path() + "/"), dir.path());
  EXPECT_EQ(tablePath(dir.path(), "OPIS2"), dir.file("Opis2.DBF"));
  EXPECT_EQ(tablePath("archive", "opis2.dbf"), dir.file("Opis2.DBF"));
  EXPECT_EQ(tablePath(dir.path(), "NONE"), dir.file("NONE.DBF"));
}

}  // namespace
}  // namespace kestrin::dbf
