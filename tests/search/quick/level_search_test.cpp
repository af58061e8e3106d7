// The quick search on a crafted base: the filter each level gets, the
// records it finds, the number keys, the former names, the fond prefix, the
// phrase with every delimiter, and a stopped scan that leaves the list.
#include "search/quick/level_search.h"

#include <gtest/gtest.h>

#include <set>

#include "dbf/base/errors.h"
#include "search/quick/search_base.h"
#include "support/temp_dir.h"
#include "text/cp1251_case.h"

namespace kestrin::search {
namespace {

using archive::Level;
using kestrin::testing::cp;
using kestrin::testing::TempDir;

std::set<int> recNos(dbf::TableCursor& cursor) {
  std::set<int> found;
  for (cursor.first(); !cursor.eof(); cursor.next()) found.insert(cursor.recNo());
  return found;
}

class LevelSearchTest : public ::testing::Test {
 protected:
  LevelSearchTest() { testing::writeSearchBase(dir_.path()); }

  LevelSearchResult run(Level level, SearchMode mode, const char* query, bool fast = false, bool held = true,
                        bool withRename = true) {
    tables_ = std::make_unique<testing::SearchTables>(dir_.path(), withRename);
    SearchCursors cursors = tables_->cursors();
    const std::string q = cp(query);
    const bool insensitive = q == text::lower1251(q);
    captions_.clear();
    return runLevelSearch(cursors, {level, mode, fast, held, insensitive, q},
                          [this](std::string_view caption) { captions_.emplace_back(caption); });
  }
  dbf::TableCursor& cursor(Level level) {
    switch (level) {
      case Level::Fonds:
        return tables_->fond;
      case Level::Inventories:
        return tables_->opis;
      case Level::Files:
        return tables_->delo;
      default:
        return tables_->doc;
    }
  }

  TempDir dir_;
  std::unique_ptr<testing::SearchTables> tables_;
  std::vector<std::string> captions_;
};

TEST_F(LevelSearchTest, FondPhraseWithFormerNamesAndHeldFonds) {
  const auto result = run(Level::Fonds, SearchMode::Phrase, "архив");
  EXPECT_EQ(tables_->fond.filter(),
            cp(R"((A100=1) AND ((((FNAME="*архив*") OR (A1="*архив*") OR (A109="*архив*") OR (A110="*архив*"))))"
               R"( OR ((KOD="      2"))))"));
  EXPECT_TRUE(tables_->fond.filterOptions().caseInsensitive);
  EXPECT_EQ(result.count, 2);
  EXPECT_EQ(recNos(tables_->fond), (std::set<int>{1, 2}));
}

TEST_F(LevelSearchTest, FondWhoseNameIsTheWordIsNotFoundThroughIt) {
  // Fond 3 is named exactly "архив": the field must be two characters longer.
  run(Level::Fonds, SearchMode::Phrase, "архив", false, false);
  EXPECT_EQ(recNos(tables_->fond), (std::set<int>{1, 2}));
}

TEST_F(LevelSearchTest, FondFastAndWithoutFond3SkipFormerNames) {
  EXPECT_EQ(run(Level::Fonds, SearchMode::Phrase, "архив", true).count, 1);
  EXPECT_EQ(tables_->fond.filter(), cp(R"((A100=1) AND ((((FNAME="*архив*") OR (A1="*архив*")))))"));
  EXPECT_EQ(run(Level::Fonds, SearchMode::Phrase, "архив", false, true, false).count, 1);
  EXPECT_EQ(run(Level::Fonds, SearchMode::Phrase, "книги").count, 1);  // the A109 memo
}

TEST_F(LevelSearchTest, CapitalsMakeTheSearchTellCase) {
  EXPECT_EQ(run(Level::Fonds, SearchMode::Phrase, "Архив").count, 2);
  EXPECT_FALSE(tables_->fond.filterOptions().caseInsensitive);
  EXPECT_EQ(run(Level::Fonds, SearchMode::Phrase, "АРХИВ").count, 0);
}

TEST_F(LevelSearchTest, SeveralFondNumbers) {
  auto result = run(Level::Fonds, SearchMode::Number, "12 15", false, false);
  EXPECT_EQ(tables_->fond.filter(), R"(((FKOD="     12 ") OR (FKOD="     15 ")))");
  EXPECT_EQ(result.count, 2);
  EXPECT_EQ(run(Level::Fonds, SearchMode::Number, "12 15").count, 1);
}

TEST_F(LevelSearchTest, OneFondNumberPositionsTheList) {
  auto result = run(Level::Fonds, SearchMode::Number, "12");
  EXPECT_EQ(tables_->fond.filter(), "A100=1");
  EXPECT_EQ(result.count, 3);
  EXPECT_FALSE(result.fondNotFound);
  EXPECT_EQ(tables_->fond.recNo(), 2);
  EXPECT_TRUE(tables_->fond.indexFiles().empty());

  result = run(Level::Fonds, SearchMode::Number, "р-12а");
  EXPECT_EQ(tables_->fond.recNo(), 4);
  result = run(Level::Fonds, SearchMode::Number, "99");
  EXPECT_TRUE(result.fondNotFound);
  EXPECT_EQ(captions_, std::vector<std::string>{cp("Фонд не найден.")});
}

TEST_F(LevelSearchTest, InventoriesHeldOnly) {
  auto result = run(Level::Inventories, SearchMode::AnyWord, "101 103");
  EXPECT_EQ(tables_->opis.filter(),
            R"((G15=1) AND (((ONAME="*101*") OR (G45="*101*"))  OR ((ONAME="*103*") OR (G45="*103*")) ))");
  EXPECT_EQ(result.count, 1);
  EXPECT_EQ(run(Level::Inventories, SearchMode::AnyWord, "101 103", false, false).count, 2);
  EXPECT_EQ(run(Level::Inventories, SearchMode::Number, "104", false, false).count, 1);
}

TEST_F(LevelSearchTest, FileNumberAndWords) {
  EXPECT_EQ(run(Level::Files, SearchMode::Number, "7").count, 1);
  EXPECT_EQ(tables_->delo.filter(), R"(L1="       7  ")");
  EXPECT_TRUE(tables_->delo.exactCount());
  EXPECT_EQ(run(Level::Files, SearchMode::AllWords, "приказ школы").count, 1);
  EXPECT_EQ(run(Level::Files, SearchMode::AnyWord, "заводу архиву").count, 2);
  EXPECT_EQ(run(Level::Files, SearchMode::Phrase, "приёме").count, 1);
  EXPECT_EQ(run(Level::Files, SearchMode::Phrase, "приёме", true).count, 0);
}

TEST_F(LevelSearchTest, FondPrefixLimitsFilesToTheFond) {
  auto result = run(Level::Files, SearchMode::Phrase, "ф.12 приказ");
  EXPECT_EQ(tables_->delo.filter(),
            cp(R"(((L4="*приказ*") OR (L5="*приказ*")) AND ((OPIS="    101") OR (OPIS="    102")))"));
  EXPECT_EQ(result.count, 1);
  EXPECT_EQ(captions_, (std::vector<std::string>{cp("Поиск фонда 12..."), cp("Поиск описей фонда 12..."),
                                                 cp("Поиск дел в фонде 12...")}));
  // A number with a letter prefix, as "Искать в этом фонде" writes it.
  EXPECT_EQ(run(Level::Files, SearchMode::Phrase, "ф.р-12а приказ").count, 1);
  EXPECT_EQ(recNos(tables_->delo), (std::set<int>{3}));
}

TEST_F(LevelSearchTest, UnknownFondSearchesAllFilesAndSaysSo) {
  auto result = run(Level::Files, SearchMode::Phrase, "ф.99 приказ");
  EXPECT_TRUE(result.fondNotFound);
  EXPECT_EQ(result.count, 3);
  EXPECT_EQ(captions_.back(), cp("Поиск дел..."));
}

TEST_F(LevelSearchTest, FondWithoutInventoriesHasNoFiles) {
  EXPECT_EQ(run(Level::Files, SearchMode::Phrase, "ф.15 приказ").count, 0);
}

TEST_F(LevelSearchTest, PhraseWithEveryDelimiterIsSearchedAsTyped) {
  for (const char* phrase : {"\"Заря\"", "('1920')", "[x]", "Заря\" ('", "') [", "(", ")", "]", "\" ('1920') [x"}) {
    SCOPED_TRACE(phrase);
    EXPECT_EQ(run(Level::Files, SearchMode::Phrase, phrase).count, 1);
    EXPECT_EQ(recNos(tables_->delo), (std::set<int>{4}));
  }
}

TEST_F(LevelSearchTest, DocumentNumberModeSearchesThePhrase) {
  EXPECT_EQ(run(Level::Documents, SearchMode::Number, "12").count, 1);
  EXPECT_EQ(tables_->doc.filter(), R"((T2="*12*") OR (T3="*12*"))");
  EXPECT_EQ(run(Level::Documents, SearchMode::AllWords, "указ школе").count, 1);
}

TEST(LevelSearchStop, StoppedScanLeavesTheList) {
  TempDir dir;
  testing::writeSearchBase(dir.path(), 40000);
  testing::SearchTables tables(dir.path());
  SearchCursors cursors = tables.cursors();
  runLevelSearch(cursors, {Level::Files, SearchMode::Phrase, false, true, true, cp("план")}, [](std::string_view) {});
  ASSERT_EQ(tables.delo.recordCount(), 1);
  const std::string before = tables.delo.filter();
  int asked = 0;
  tables.delo.setScanProgress([&](std::int64_t, std::int64_t) { return ++asked < 2; });
  EXPECT_THROW(runLevelSearch(cursors, {Level::Files, SearchMode::Phrase, false, true, false, cp("Отчёт")},
                              [](std::string_view) {}),
               dbf::EScanCancelled);
  EXPECT_GE(asked, 2);
  EXPECT_EQ(tables.delo.filter(), before);
  EXPECT_TRUE(tables.delo.filterOptions().caseInsensitive);
  EXPECT_EQ(tables.delo.recordCount(), 1);
  EXPECT_EQ(tables.delo.recNo(), 5);
}

}  // namespace
}  // namespace kestrin::search
