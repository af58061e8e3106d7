// The advanced search run over the level cursors of a crafted base: the
// records each level keeps, the year span at its edges, a missing table, and
// a rejected special filter leaving the cursor as it was.
#include "search/advanced/advanced_search.h"

#include <gtest/gtest.h>

#include "dbf/base/errors.h"
#include "search/advanced/search_error.h"
#include "search/advanced_base.h"
#include "support/temp_dir.h"

namespace kestrin::search {
namespace {

using archive::Level;
using kestrin::testing::cp;
using kestrin::testing::TempDir;
using testing::AdvancedCursors;
using testing::visibleKeys;
using testing::writeAdvancedBase;

using Keys = std::vector<std::string>;

AdvancedForm textForm(const char* text) {
  AdvancedForm form;
  form.useText = true;
  form.text = cp(text);
  return form;
}

AdvancedForm yearsForm(const char* from, const char* to) {
  AdvancedForm form;
  form.useYears = true;
  form.yearFrom = from;
  form.yearTo = to;
  return form;
}

struct RunCase {
  const char* name;
  Level level;
  AdvancedForm form;
  Keys expected;
};

TEST(AdvancedSearch, EachLevelKeepsTheRecordsItsConditionSelects) {
  const RunCase cases[] = {
      // Title, former name and keywords (the one-letter-longer one too).
      {"fond by title", Level::Fonds, textForm("Старый"), {"1"}},
      {"fond by former name", Level::Fonds, textForm("Губернский"), {"3"}},
      {"fonds by keyword", Level::Fonds, textForm("Иванов"), {"1", "2", "4"}},
      {"files by rubric", Level::Files, textForm("хозяйство"), {"1001", "1004"}},
      {"files by keyword", Level::Files, textForm("Иванов"), {"1002"}},
      // A file is kept when its span overlaps the years.
      {"files of 2000", Level::Files, yearsForm("2000", "2000"), {"1002", "1004"}},
      {"files of 1986-1989", Level::Files, yearsForm("1986", "1989"), {}},
      // 15 June and 31 December of the last year are inside the span.
      {"documents of 2000", Level::Documents, yearsForm("2000", "2000"), {"2", "3", "4"}},
      {"documents of 1999-2000", Level::Documents, yearsForm("1999", "2000"), {"1", "2", "3", "4"}},
  };
  TempDir dir;
  writeAdvancedBase(dir.path());
  for (const RunCase& c : cases) {
    SCOPED_TRACE(c.name);
    AdvancedCursors cursors(dir.path());
    const AdvancedSearchResult result = runAdvancedSearch(cursors.tables(), c.level, c.form);
    EXPECT_TRUE(result.skippedTables.empty());
    EXPECT_EQ(visibleKeys(cursors.tables().level(c.level)), c.expected);
  }
}

TEST(AdvancedSearch, YearsAloneOnFilesSetNoFilterButTheRecordFilter) {
  TempDir dir;
  writeAdvancedBase(dir.path());
  AdvancedCursors cursors(dir.path());
  const AdvancedSearchResult result = runAdvancedSearch(cursors.tables(), Level::Files, yearsForm("1990", "2000"));
  EXPECT_FALSE(result.filterSet);
  EXPECT_EQ(cursors.delo.filter(), "");
  EXPECT_TRUE(cursors.delo.recordFilterActive());
  ASSERT_TRUE(result.dateRange);
  EXPECT_EQ(result.dateRange->to.month, 12);
  EXPECT_EQ(result.dateRange->to.day, 31);
}

TEST(AdvancedSearch, AMissingKeywordTableIsSkippedAndTheSearchGoesOn) {
  TempDir dir;
  writeAdvancedBase(dir.path(), {"PERSONA1.DBF", "FOND3.DBF"});
  AdvancedCursors cursors(dir.path());
  const AdvancedSearchResult result = runAdvancedSearch(cursors.tables(), Level::Fonds, textForm("Иванов"));
  EXPECT_EQ(result.skippedTables, (Keys{"FOND3.DBF", "persona1.dbf"}));
  EXPECT_EQ(visibleKeys(cursors.fond), Keys{"1"});
}

TEST(AdvancedSearch, ARejectedSpecialFilterLeavesTheCursorAsItWas) {
  TempDir dir;
  writeAdvancedBase(dir.path());
  AdvancedCursors cursors(dir.path());
  runAdvancedSearch(cursors.tables(), Level::Documents, yearsForm("2000", "2000"));
  cursors.doc.setFilter(cp("T2=\"Документ\""));
  const dbf::FilterOptions options = cursors.doc.filterOptions();
  AdvancedForm form = yearsForm("1999", "1999");
  form.useSpecial = true;
  form.special = "T2=(";
  EXPECT_THROW(runAdvancedSearch(cursors.tables(), Level::Documents, form), dbf::EDbfError);
  EXPECT_EQ(cursors.doc.filter(), cp("T2=\"Документ\""));
  EXPECT_TRUE(cursors.doc.filtered());
  EXPECT_EQ(cursors.doc.filterOptions(), options);
  // The span of 2000 is still the one in force.
  EXPECT_EQ(visibleKeys(cursors.doc), (Keys{"2", "3", "4"}));
}

TEST(AdvancedSearch, AYearBoxWithoutAYearChangesNothing) {
  TempDir dir;
  writeAdvancedBase(dir.path());
  AdvancedCursors cursors(dir.path());
  EXPECT_THROW(runAdvancedSearch(cursors.tables(), Level::Files, yearsForm("19x0", "2000")), AdvancedSearchError);
  EXPECT_FALSE(cursors.delo.recordFilterActive());
  EXPECT_EQ(visibleKeys(cursors.delo).size(), 4u);
}

}  // namespace
}  // namespace kestrin::search
