// The declared fields of the nine cursors against tables as "Архивный Фонд"
// writes them, and what a table that does not fit gives the user.
#include "archive/model/archive_tables.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "archive/model/archive_schema.h"
#include "demo/demo_schema.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::archive {
namespace {

using dbf::FieldSpec;
using dbf::FieldType;
using kestrin::testing::TempDir;

// A DBF layout that gives each declared field its declared type.
std::vector<FieldSpec> layoutOf(ArchiveCursor which) {
  std::vector<FieldSpec> specs;
  for (const DeclaredField& f : archiveTable(which).fields) {
    const std::string name(f.name);
    switch (f.type) {
      case FieldType::SmallInt:
        specs.push_back({name, 'N', 4, 0});
        break;
      case FieldType::Integer:
        specs.push_back({name, 'N', 9, 0});
        break;
      case FieldType::Date:
        specs.push_back({name, 'D', 8, 0});
        break;
      case FieldType::Boolean:
        specs.push_back({name, 'L', 1, 0});
        break;
      case FieldType::Memo:
        specs.push_back({name, 'M', 10, 0});
        break;
      default:
        specs.push_back({name, 'C', 20, 0});
    }
  }
  return specs;
}

std::string tableFileOf(ArchiveCursor which) {
  const std::string_view file = archiveTable(which).tableFile;
  return file.empty() ? "persona1.dbf" : std::string(file);
}

// Opens `which` on a table written with `layout` in `dir`.
void openOn(const TempDir& dir, dbf::TableCursor& cursor, ArchiveCursor which, const std::vector<FieldSpec>& layout) {
  kestrin::testing::writeTable(dir.file(tableFileOf(which)), layout, {{{std::string("      1")}}});
  setUpArchiveCursor(cursor, which);
  if (archiveTable(which).tableFile.empty()) cursor.setTableName(tableFileOf(which));
  cursor.setDatabaseName(dir.path());
  openArchiveCursor(cursor, which);
}

class ArchiveCursorFieldsTest : public ::testing::TestWithParam<ArchiveCursor> {};

TEST_P(ArchiveCursorFieldsTest, OpensWithEveryDeclaredFieldOfItsType) {
  TempDir dir;
  dbf::TableCursor cursor;
  // Extra fields of the outside program's own are no obstacle.
  std::vector<FieldSpec> layout = layoutOf(GetParam());
  layout.insert(layout.begin() + 1, {"EXTRA", 'C', 5, 0});
  openOn(dir, cursor, GetParam(), layout);
  const auto& declared = archiveTable(GetParam()).fields;
  ASSERT_EQ(cursor.fields().size(), declared.size());
  for (std::size_t i = 0; i < declared.size(); ++i) {
    EXPECT_EQ(cursor.fields()[i].name(), declared[i].name);
    EXPECT_EQ(cursor.fields()[i].type(), declared[i].type);
  }
}

INSTANTIATE_TEST_SUITE_P(AllCursors, ArchiveCursorFieldsTest, ::testing::ValuesIn(kAllArchiveCursors),
                         [](const auto& p) { return std::string(archiveTable(p.param).cursorName); });

// The demo base and the program must agree on the level tables.
TEST(ArchiveCursorFields, DemoLayoutsFitTheLevelCursors) {
  const std::pair<ArchiveCursor, std::vector<FieldSpec>> levels[] = {
      {ArchiveCursor::Fond, demo::fondFields()},
      {ArchiveCursor::Opis, demo::opisFields()},
      {ArchiveCursor::Delo, demo::deloFields()},
      {ArchiveCursor::Doc, demo::documFields()},
  };
  for (const auto& [which, layout] : levels) {
    TempDir dir;
    dbf::TableCursor cursor;
    EXPECT_NO_THROW(openOn(dir, cursor, which, layout)) << archiveTable(which).cursorName;
    EXPECT_TRUE(cursor.active());
  }
}

struct MismatchCase {
  const char* name;
  ArchiveCursor which;
  std::vector<std::pair<std::string, FieldSpec>> changes;  // field -> replacement; an empty name drops it
  std::string problems;
};

void PrintTo(const MismatchCase& c, std::ostream* out) { *out << c.name; }

class SchemaMismatchTest : public ::testing::TestWithParam<MismatchCase> {};

TEST_P(SchemaMismatchTest, NamesTableAndEveryFieldAndLeavesTheCursorClosed) {
  const MismatchCase& c = GetParam();
  std::vector<FieldSpec> layout = layoutOf(c.which);
  for (const auto& [field, replacement] : c.changes) {
    const auto it = std::find_if(layout.begin(), layout.end(), [&](const FieldSpec& s) { return s.name == field; });
    ASSERT_NE(it, layout.end());
    if (replacement.name.empty()) {
      layout.erase(it);
    } else {
      *it = replacement;
    }
  }
  TempDir dir;
  dbf::TableCursor cursor;
  try {
    openOn(dir, cursor, c.which, layout);
    FAIL() << "opened";
  } catch (const EArchiveSchemaError& error) {
    EXPECT_EQ(std::string(error.what()), cursor.tablePath() + ": " + c.problems);
  }
  EXPECT_FALSE(cursor.active());
}

INSTANTIATE_TEST_SUITE_P(
    Tables, SchemaMismatchTest,
    ::testing::Values(
        MismatchCase{"MissingField", ArchiveCursor::Fond, {{"A5", {}}}, "Field 'A5' not found"},
        MismatchCase{"WiderNumber",
                     ArchiveCursor::Fond,
                     {{"A4", {"A4", 'N', 6, 0}}},
                     "Type mismatch for field 'A4', expecting: SmallInt actual: Integer"},
        MismatchCase{"TextForMemo",
                     ArchiveCursor::Opis,
                     {{"ONAME", {"ONAME", 'C', 100, 0}}},
                     "Type mismatch for field 'ONAME', expecting: Memo actual: String"},
        MismatchCase{"SeveralInDeclaredOrder",
                     ArchiveCursor::Delo,
                     {{"L13", {}}, {"L8", {"L8", 'C', 8, 0}}},
                     "Type mismatch for field 'L8', expecting: Date actual: String; Field 'L13' not found"},
        MismatchCase{"KeywordTableWithoutWord", ArchiveCursor::Temp, {{"WORD", {}}}, "Field 'WORD' not found"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(SchemaCheck, FieldNamesMatchWithoutRegardToCase) {
  std::vector<FieldSpec> layout = layoutOf(ArchiveCursor::Top);
  for (FieldSpec& field : layout) std::transform(field.name.begin(), field.name.end(), field.name.begin(), ::tolower);
  TempDir dir;
  dbf::TableCursor cursor;
  openOn(dir, cursor, ArchiveCursor::Top, layout);
  EXPECT_EQ(cursor.fieldByName("H3").name(), "h3");
}

TEST(SchemaCheck, MissingTableIsTheCursorsOwnError) {
  TempDir dir;
  dbf::TableCursor cursor;
  setUpArchiveCursor(cursor, ArchiveCursor::Rename);
  cursor.setDatabaseName(dir.path());
  try {
    openArchiveCursor(cursor, ArchiveCursor::Rename);
    FAIL() << "opened";
  } catch (const dbf::ECursorError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot find file " + cursor.tablePath());
  }
  EXPECT_FALSE(cursor.active());
}

}  // namespace
}  // namespace kestrin::archive
