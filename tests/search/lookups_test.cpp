// The lookups through the former names, the keyword tables and the
// rubricator of a crafted base: what each finds, the case option, duplicates
// kept once, and tables that are not there.
#include "search/lookups/lookups.h"

#include <gtest/gtest.h>

#include "search/advanced_base.h"
#include "support/temp_dir.h"

namespace kestrin::search {
namespace {

using archive::Level;
using kestrin::testing::cp;
using kestrin::testing::TempDir;
using testing::AdvancedCursors;
using testing::writeAdvancedBase;

std::vector<std::string> kod(std::initializer_list<int> keys, const char* field = "KOD") {
  std::vector<std::string> out;
  for (const int k : keys) out.push_back("(" + std::string(field) + "=\"" + archive::recordKey(k) + "\")");
  return out;
}

struct KeywordCase {
  const char* text;
  bool caseSensitive;
  Level level;
  std::vector<std::string> expected;
};

TEST(KeywordLookup, FindsExactAndOneLongerWordsOnceEach) {
  const KeywordCase cases[] = {
      // persona1: 4 twice, 2 in lower case; tematik1: 1 with one letter more.
      {"Иванов", false, Level::Fonds, kod({4, 2, 1})}, {"Иванов", true, Level::Fonds, kod({4, 1})},
      {"иванов", true, Level::Fonds, kod({2})},        {"Петров Москва", false, Level::Fonds, kod({2})},
      {"Иванов", false, Level::Files, kod({1002})},    {"Сидоров", false, Level::Fonds, {}},
  };
  TempDir dir;
  writeAdvancedBase(dir.path());
  for (const KeywordCase& c : cases) {
    SCOPED_TRACE(c.text);
    AdvancedCursors cursors(dir.path());
    LookupOutput out;
    keywordLookup(cursors.temp, cp(c.text), c.level, c.caseSensitive, out);
    EXPECT_EQ(out.alternatives.items(), c.expected);
    EXPECT_TRUE(out.skippedTables.empty());
    EXPECT_FALSE(cursors.temp.filtered());
  }
}

TEST(KeywordLookup, AMissingTableIsSkippedAndTheOthersSearched) {
  TempDir dir;
  writeAdvancedBase(dir.path(), {"PERSONA1.DBF"});
  AdvancedCursors cursors(dir.path());
  LookupOutput out;
  keywordLookup(cursors.temp, cp("Иванов"), Level::Fonds, false, out);
  EXPECT_EQ(out.alternatives.items(), kod({1}));
  EXPECT_EQ(out.skippedTables, std::vector<std::string>{"persona1.dbf"});
  EXPECT_NE(skippedTablesStatus(out.skippedTables).find("persona1.dbf"), std::string::npos);
}

TEST(RenameLookup, FindsTheFondOfAFormerName) {
  TempDir dir;
  writeAdvancedBase(dir.path());
  AdvancedCursors cursors(dir.path());
  LookupOutput out;
  renameLookup(cursors.rename, cp("губернский"), FieldMode::Phrase, false, out);
  EXPECT_EQ(out.alternatives.items(), kod({3}));
  LookupOutput sensitive;
  renameLookup(cursors.rename, cp("губернский"), FieldMode::Phrase, true, sensitive);
  EXPECT_TRUE(sensitive.alternatives.empty());
  // A quote in a phrase is part of the value, not the end of the literal.
  LookupOutput quoted;
  renameLookup(cursors.rename, cp("\"Губернский"), FieldMode::Phrase, false, quoted);
  EXPECT_TRUE(quoted.alternatives.empty());
  EXPECT_FALSE(cursors.rename.filtered());
}

TEST(RenameLookup, WithoutFond3TheLookupIsSkipped) {
  TempDir dir;
  writeAdvancedBase(dir.path(), {"FOND3.DBF"});
  AdvancedCursors cursors(dir.path());
  LookupOutput out;
  renameLookup(cursors.rename, cp("архив"), FieldMode::Phrase, false, out);
  EXPECT_TRUE(out.alternatives.empty());
  EXPECT_EQ(out.skippedTables, std::vector<std::string>{"FOND3.DBF"});
}

TEST(RubricLookup, FindsTheInventoriesPresentInOpisAndLeavesTheListUnfiltered) {
  TempDir dir;
  writeAdvancedBase(dir.path());
  AdvancedCursors cursors(dir.path());
  cursors.opis.setFilter("G15=1");
  cursors.opis.setFiltered(true);
  LookupOutput out;
  // "Сельск" matches three rubrics; inventory 999 is not in OPIS.DBF.
  rubricLookup(cursors.rubr, cursors.opis, cp("сельск"), false, out);
  EXPECT_EQ(out.alternatives.items(), kod({101, 102}, "OPIS"));
  EXPECT_FALSE(cursors.opis.filtered());
  LookupOutput none;
  rubricLookup(cursors.rubr, cursors.opis, cp("сельск"), true, none);
  EXPECT_TRUE(none.alternatives.empty());
}

TEST(RubricLookup, WithoutRubrika2TheLookupIsSkipped) {
  TempDir dir;
  writeAdvancedBase(dir.path(), {"RUBRIKA2.DBF"});
  AdvancedCursors cursors(dir.path());
  LookupOutput out;
  rubricLookup(cursors.rubr, cursors.opis, cp("Сельское"), false, out);
  EXPECT_TRUE(out.alternatives.empty());
  EXPECT_EQ(out.skippedTables, std::vector<std::string>{"rubrika2.dbf"});
}

}  // namespace
}  // namespace kestrin::search
