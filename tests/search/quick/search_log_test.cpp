// The search log: its line, the header of a new file, CR LF, and a log that
// cannot be written.
#include "search/quick/search_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::search {
namespace {

using kestrin::testing::cp;

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

struct LogicCase {
  SearchMode checked;
  bool enabled;
  const char* letter;
};

TEST(SearchLog, LogicLetterNeedsTheButtonCheckedAndEnabled) {
  const LogicCase cases[] = {
      {SearchMode::AllWords, true, "A"}, {SearchMode::AllWords, false, ""}, {SearchMode::AnyWord, true, "O"},
      {SearchMode::AnyWord, false, ""},  {SearchMode::Number, true, "N"},   {SearchMode::Number, false, ""},
      {SearchMode::Phrase, true, ""},
  };
  for (const LogicCase& c : cases) {
    ModeButtons buttons;
    buttons.checked = c.checked;
    buttons.allWordsEnabled = buttons.anyWordEnabled = buttons.numberEnabled = c.enabled;
    EXPECT_EQ(searchLogLogic(buttons), c.letter);
  }
}

TEST(SearchLog, LineHoldsDatePageLogicAndTheTextAsTyped) {
  ModeButtons buttons;
  buttons.checked = SearchMode::AllWords;
  EXPECT_EQ(searchLogLine("09.12.2026 21:08:58", 2, buttons, cp("(старый), город")),
            cp("09.12.2026 21:08:58\t3\tA\t(старый), город\r\n"));
}

TEST(SearchLog, NewFileGetsTheHeaderOnceAndLinesAppend) {
  testing::TempDir dir;
  const std::string path = dir.path() + "/state/Kestrin/Kestrin.log";
  ASSERT_TRUE(appendSearchLog(path, "one\r\n"));
  ASSERT_TRUE(appendSearchLog(path, "two\r\n"));
  EXPECT_EQ(readAll(path), cp("Дата/Время\tРаздел\tЛогика\tЗапрос\r\none\r\ntwo\r\n"));
}

TEST(SearchLog, UnwritableLogIsReportedNotThrown) {
  testing::TempDir dir;
  // A folder where the file should be.
  std::filesystem::create_directories(dir.path() + "/Kestrin.log");
  EXPECT_FALSE(appendSearchLog(dir.path() + "/Kestrin.log", "x\r\n"));
  EXPECT_FALSE(appendSearchLog("", "x\r\n"));
}

}  // namespace
}  // namespace kestrin::search
