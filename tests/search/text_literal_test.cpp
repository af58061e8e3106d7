// A phrase put into a filter as typed: whatever delimiter or bracket it
// holds, the condition built around it compiles and finds the record that
// holds the phrase.
#include "search/text_literal.h"

#include <gtest/gtest.h>

#include "dbf/cursor/table_cursor.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::search {
namespace {

using testing::TempDir;

TEST(TextLiteral, PhrasesWithEveryDelimiterFindTheirRecord) {
  const std::string phrases[] = {
      "plain", "say \"hi\"", "it's",         "[note]",         "a \" and '", "a \" ' ]",
      "(1920", "1920)",      "(\"quoted\")", "x ( ' \" ] [ )", "*star",      "",
  };
  for (const std::string& phrase : phrases) {
    SCOPED_TRACE(phrase);
    TempDir dir;
    testing::writeTable(dir.file("T.DBF"), {{"NAME", 'C', 40, 0}},
                        {{{"<<" + phrase + ">>"}, false}, {{"other text"}, false}});
    dbf::TableCursor cursor;
    cursor.setDatabaseName(dir.path());
    cursor.setTableName("T.DBF");
    cursor.setExactCount(true);
    cursor.open();
    // The shape the searches build: a group around a comparison with a pattern.
    cursor.setFilter("((NAME=" + textLiteral("*" + phrase + "*") + ") OR (NAME=\"none\"))");
    cursor.setFiltered(true);
    EXPECT_EQ(cursor.recordCount(), phrase.empty() ? 2 : 1);
  }
}

}  // namespace
}  // namespace kestrin::search
