// The filter scan split over worker threads against the scan on one thread
// and against a plain evaluation record by record: random tables (deleted
// records, memos, Cyrillic words in every case, ё and е) and random
// conditions of the search shapes must give the same record sets.
#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "dbf/base/errors.h"
#include "dbf/cursor/table_cursor.h"
#include "dbf/table/table_sources.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::dbf {
namespace {

using testing::cp;
using testing::TempDir;
using testing::TestRecord;

const char* const kWords[] = {"колхоз", "КОЛХОЗ", "Колхоз", "ёлка", "елка", "ЁЛКА", "школа",
                              "архив",  "Архива", "fond",   "FOND", "о",    "",     "a b"};

std::string randomText(std::mt19937& rng, int maxWords) {
  std::string text;
  const int words = std::uniform_int_distribution<int>(0, maxWords)(rng);
  for (int i = 0; i < words; ++i) {
    if (!text.empty()) text += ' ';
    text += cp(kWords[std::uniform_int_distribution<std::size_t>(0, std::size(kWords) - 1)(rng)]);
  }
  return text;
}

// TITLE (C 40), NOTE (memo, absent on some records) and N; every tenth
// record or so deleted.
void writeRandomTable(const std::string& path, int records, std::mt19937& rng) {
  std::vector<TestRecord> rows;
  for (int i = 1; i <= records; ++i) {
    std::string title = randomText(rng, 4).substr(0, 40);
    rows.push_back({{static_cast<double>(i % 97), title, randomText(rng, 12)},
                    std::uniform_int_distribution<int>(0, 9)(rng) == 0});
  }
  testing::writeTable(path, {{"N", 'N', 4, 0}, {"TITLE", 'C', 40, 0}, {"NOTE", 'M', 10, 0}}, rows);
}

std::string randomWord(std::mt19937& rng) {
  std::string w = cp(kWords[std::uniform_int_distribution<std::size_t>(0, 10)(rng)]);
  const auto cut = std::uniform_int_distribution<std::size_t>(1, w.size())(rng);
  return w.substr(0, cut);
}

// One condition the way the searches build them.
std::string randomCondition(std::mt19937& rng) {
  const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  const auto word = [&] { return "\"*" + randomWord(rng) + "*\""; };
  const auto titleOrNote = [&] {
    const std::string w = word();
    return pick(3) == 0 ? "(TITLE=" + w + ")" : "((TITLE=" + w + ") OR (NOTE=" + w + "))";
  };
  switch (pick(8)) {
    case 0:
    case 1: {  // all words, or any word
      std::string c = titleOrNote();
      const std::string join = pick(2) ? " AND " : " OR ";
      for (int i = pick(3); i > 0; --i) c += join + titleOrNote();
      return c;
    }
    case 2:  // a phrase
      return "(NOTE=\"*" + randomWord(rng) + " " + randomWord(rng) + "*\")";
    case 3:  // whole texts, prefixes, "?" positions
      return pick(2) ? "TITLE=\"" + randomWord(rng) + "\"" : "TITLE=\"" + randomWord(rng) + "?*\"";
    case 4:
      return "(N > " + std::to_string(pick(97)) + ") AND " + titleOrNote();
    case 5:
      return "\"" + randomWord(rng) + "\" $ NOTE .OR. RECNO() = " + std::to_string(pick(500));
    case 6:  // words to leave out, of which only some records hold none
      return ".NOT. " + titleOrNote() + (pick(2) ? " AND " + titleOrNote() : "");
    default:
      return ".NOT. " + titleOrNote() + " .AND. TITLE >= \"" + randomWord(rng) + "\"";
  }
}

std::vector<int> bitsOf(const HugeBitSet& bits) {
  std::vector<int> out;
  for (int n = bits.nextSet(1); n > 0; n = bits.nextSet(n + 1)) out.push_back(n);
  return out;
}

// Each record read on its own and the expression evaluated on it.
std::vector<int> plainEvaluation(const std::string& path, const std::string& text, bool caseInsensitive,
                                 bool partialCompare) {
  DbfHandler table(TableSources::onDisk(path));
  ExprHandler expression(&table.exprLink(), table.tableAlias());
  expression.setCaseInsensitive(caseInsensitive);
  expression.setPartialCompare(partialCompare);
  expression.setExpression(text);
  std::vector<int> out;
  for (int n = 1; n <= table.recordCount(); ++n) {
    table.readRecord(n);
    if (!table.currentRecord().isDeleted() && expression.evaluate().asBoolean()) out.push_back(n);
  }
  return out;
}

std::unique_ptr<TableCursor> openCursor(const TempDir& dir, const std::string& name, int threads, int chunk,
                                        int readRecords = 0) {
  auto cursor = std::make_unique<TableCursor>();
  cursor->setDatabaseName(dir.path());
  cursor->setTableName(name);
  cursor->open();
  cursor->table().setScanThreads(threads);
  cursor->table().setScanChunkRecords(chunk, readRecords);
  cursor->setFiltered(true);
  return cursor;
}

TEST(ParallelFilterScan, GivesTheRecordsOfTheScanOnOneThreadAndOfPlainEvaluation) {
  TempDir dir;
  std::mt19937 rng(20261209);
  writeRandomTable(dir.file("R.DBF"), 1500, rng);
  auto single = openCursor(dir, "R.DBF", 1, 0);
  auto smallChunks = openCursor(dir, "R.DBF", 3, 7);
  auto largeChunks = openCursor(dir, "R.DBF", 2, 400);
  auto oneWorker = openCursor(dir, "R.DBF", 1, 100);
  auto chunksReadInPieces = openCursor(dir, "R.DBF", 3, 100, 9);
  int telling = 0;  // rounds whose condition takes some records and leaves others
  for (int round = 0; round < 60; ++round) {
    const std::string text = randomCondition(rng);
    const bool caseInsensitive = round % 2 == 0;
    const bool partialCompare = round % 5 != 4;
    SCOPED_TRACE(text + (caseInsensitive ? " (case-insensitive)" : "") + (partialCompare ? "" : " (no patterns)"));
    const std::vector<int> expected = plainEvaluation(dir.file("R.DBF"), text, caseInsensitive, partialCompare);
    telling += !expected.empty() && expected.size() < 1300;
    for (TableCursor* cursor :
         {single.get(), smallChunks.get(), largeChunks.get(), oneWorker.get(), chunksReadInPieces.get()}) {
      cursor->setFilterOptions({caseInsensitive, !partialCompare});
      cursor->setFilter(text);
      EXPECT_EQ(bitsOf(cursor->table().filterBits()), expected);
    }
  }
  EXPECT_GE(telling, 30);
}

TEST(ParallelFilterScan, FailsAtTheFirstFailingRecordAndKeepsTheEarlierFilter) {
  TempDir dir;
  std::vector<TestRecord> records;
  for (int i = 1; i <= 3000; ++i) records.push_back({{static_cast<double>(i)}, false});
  testing::writeTable(dir.file("P.DBF"), {{"N", 'N', 6, 0}}, records);
  auto cursor = openCursor(dir, "P.DBF", 4, 16);
  cursor->setFilter("N < 100");
  // Division by zero at record 2000 alone; records after it would not fail.
  const std::string failing = "10 / (N - 2000) > 0";
  auto single = openCursor(dir, "P.DBF", 1, 0);
  std::string expectedMessage;
  try {
    single->setFilter(failing);
  } catch (const std::exception& e) {
    expectedMessage = e.what();
  }
  ASSERT_FALSE(expectedMessage.empty());
  try {
    cursor->setFilter(failing);
    ADD_FAILURE() << "no error";
  } catch (const std::exception& e) {
    EXPECT_EQ(std::string(e.what()), expectedMessage);
  }
  EXPECT_EQ(cursor->filter(), "N < 100");
  EXPECT_EQ(bitsOf(cursor->table().filterBits()).size(), 99u);
}

TEST(ParallelFilterScan, ProgressComesOnTheScanningThreadAndStopsTheWorkers) {
  TempDir dir;
  std::vector<TestRecord> records;
  for (int i = 1; i <= 70000; ++i) records.push_back({{static_cast<double>(i % 1000)}, i % 11 == 0});
  testing::writeTable(dir.file("P.DBF"), {{"N", 'N', 6, 0}}, records);
  auto cursor = openCursor(dir, "P.DBF", 3, 1000);
  const auto caller = std::this_thread::get_id();
  std::vector<std::int64_t> calls;
  cursor->setScanProgress([&](std::int64_t done, std::int64_t total) {
    EXPECT_TRUE(std::this_thread::get_id() == caller);
    EXPECT_EQ(total, 70000);
    calls.push_back(done);
    return done < 32768;
  });
  EXPECT_THROW(cursor->setFilter("N > 5"), EScanCancelled);
  EXPECT_EQ(calls, (std::vector<std::int64_t>{16384, 32768}));
  EXPECT_EQ(cursor->filter(), "");
  calls.clear();
  cursor->setScanProgress([&](std::int64_t done, std::int64_t) {
    calls.push_back(done);
    return true;
  });
  cursor->setFilter("N > 5");
  EXPECT_EQ(calls, (std::vector<std::int64_t>{16384, 32768, 49152, 65536}));
  int expected = 0;
  for (int i = 1; i <= 70000; ++i) expected += i % 11 != 0 && i % 1000 > 5;
  EXPECT_EQ(bitsOf(cursor->table().filterBits()).size(), static_cast<std::size_t>(expected));
}

}  // namespace
}  // namespace kestrin::dbf
