// Fields found by name once per opening of the cursor.
#include "dbf/cursor/field_binding.h"

#include <gtest/gtest.h>

#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::dbf {
namespace {

using testing::TempDir;
using testing::writeTable;

// One record with A = "a" and B = "b", the fields stored in the order given.
void writeAb(const TempDir& dir, bool aFirst) {
  const FieldSpec a{"A", 'C', 1, 0};
  const FieldSpec b{"B", 'C', 1, 0};
  if (aFirst) {
    writeTable(dir.file("T.DBF"), {a, b}, {{{std::string("a"), std::string("b")}}});
  } else {
    writeTable(dir.file("T.DBF"), {b, a}, {{{std::string("b"), std::string("a")}}});
  }
}

TEST(FieldBinding, FollowsAReopenWithAnotherLayout) {
  TempDir first;
  TempDir second;
  writeAb(first, true);
  writeAb(second, false);
  TableCursor cursor;
  const FieldBinding binding(cursor, {"A", "C"});
  EXPECT_EQ(binding.field(0), nullptr);  // closed: no fields

  cursor.setDatabaseName(first.path());
  cursor.setTableName("T");
  cursor.open();
  ASSERT_NE(binding.field(0), nullptr);
  EXPECT_EQ(binding.field(0)->asString(), "a");
  EXPECT_EQ(binding.field(1), nullptr);

  // The same cursor, the same number of fields, very likely at the same
  // address: only the generation tells the layouts apart.
  cursor.close();
  EXPECT_EQ(binding.field(0), nullptr);
  cursor.setDatabaseName(second.path());
  cursor.open();
  ASSERT_NE(binding.field(0), nullptr);
  EXPECT_EQ(binding.field(0)->name(), "A");
  EXPECT_EQ(binding.field(0)->asString(), "a");
}

TEST(FieldBinding, GenerationChangesAtEveryOpenAndClose) {
  TempDir dir;
  writeAb(dir, true);
  TableCursor cursor;
  EXPECT_EQ(cursor.openGeneration(), 0u);
  cursor.setDatabaseName(dir.path());
  cursor.setTableName("T");
  std::uint64_t seen = cursor.openGeneration();
  for (int i = 0; i < 2; ++i) {
    cursor.open();
    EXPECT_GT(cursor.openGeneration(), seen);
    seen = cursor.openGeneration();
    cursor.open();  // already open: nothing changes
    EXPECT_EQ(cursor.openGeneration(), seen);
    cursor.close();
    EXPECT_GT(cursor.openGeneration(), seen);
    seen = cursor.openGeneration();
  }
}

}  // namespace
}  // namespace kestrin::dbf
