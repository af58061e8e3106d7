// Which conditions let a scan pass records over unevaluated, and which records
// of a block it keeps: every record the condition takes, or whose memo pointer
// must be read (and may fail), is kept; a record with neither the word nor a
// memo is not.
#include "dbf/cursor/record_sieve.h"

#include <gtest/gtest.h>

#include <cstring>

#include "dbf/cursor/dbf_handler.h"
#include "dbf/expr/flat_condition.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::dbf {
namespace {

using testing::cp;
using testing::TempDir;

// TITLE (C 20) and NOTE (memo); after writing, the pointers of records 3 to 5
// are overwritten with NULs, blanks and NULs, and a damaged number.
std::string writeSieveTable(const TempDir& dir) {
  const std::vector<testing::TestRecord> rows = {
      {{cp("о колхозе"), std::string()}},           // 0: the word in the title
      {{cp("школа"), cp("о колхозе")}},             // 1: the word in the memo
      {{cp("средняя школа"), std::string()}},       // 2: pointer of NULs
      {{cp("средняя школа"), std::string()}},       // 3: pointer of blanks and NULs
      {{cp("городской архив"), std::string()}},     // 4: damaged pointer
      {{cp("КОЛХОЗ имени"), std::string()}, true},  // 5: deleted, the word in capitals
      {{std::string(), std::string()}},             // 6: nothing at all
      {{cp("колхо з"), cp("школа")}},               // 7: a memo without the word
  };
  const std::string path = testing::writeTable(dir.file("S.DBF"), {{"TITLE", 'C', 20, 0}, {"NOTE", 'M', 10, 0}}, rows);
  std::string image = testing::readFileBytes(path);
  const std::size_t header = static_cast<unsigned char>(image[8]) + 256 * static_cast<unsigned char>(image[9]);
  const std::size_t length = static_cast<unsigned char>(image[10]) + 256 * static_cast<unsigned char>(image[11]);
  const auto setPointer = [&](std::size_t record, const char* bytes) {
    std::memcpy(image.data() + header + record * length + 21, bytes, 10);
  };
  setPointer(2, std::string(10, '\0').c_str());
  setPointer(3, "   \0\0 \0  \0");
  setPointer(4, "abcdefghij");
  testing::writeFileBytes(path, image);
  return path;
}

TEST(RecordSieve, KeepsTheRecordsThatMaySatisfyTheCondition) {
  const struct {
    const char* condition;
    bool caseInsensitive;
    bool sieved;
    // Per record: F kept for a word in a character field, M kept for its
    // memo pointer alone, . passed over.
    const char* kept;
  } cases[] = {
      {"(TITLE=\"*колхоз*\") OR (NOTE=\"*колхоз*\")", true, true, "FM..MF.M"},
      {"(TITLE=\"*колхоз*\") OR (NOTE=\"*колхоз*\")", false, true, "FM..M..M"},
      {"(TITLE=\"*колхоз*\") AND (NOTE=\"*школ*\")", true, true, "FM..MF.M"},
      // "школа" is too short for "*школа*" to match it.
      {"TITLE=\"*школа*\"", true, true, "..FF...."},
      {"(TITLE=\"*школа*\") OR (TITLE=\"*архив*\")", true, true, "..FFF..."},
      // A record may hold on a miss, or a test is no plain search: nothing is passed over.
      {".NOT. (TITLE=\"*колхоз*\")", true, false, ""},
      {"TITLE # \"*колхоз*\"", true, false, ""},
      {"(TITLE=\"*колхоз*\") OR (TITLE=\"школа\")", true, false, ""},
      {"(TITLE=\"*колхоз*\") OR .NOT. (NOTE=\"*школ*\")", true, false, ""},
      {"TITLE=\"*\"", true, false, ""},
  };
  TempDir dir;
  const std::string path = writeSieveTable(dir);
  DbfHandler table(TableSources::onDisk(path));
  const std::string image = testing::readFileBytes(path);
  const char* records = image.data() + table.headerLength();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.condition);
    ExprHandler expression(&table.exprLink(), table.tableAlias());
    expression.setCaseInsensitive(c.caseInsensitive);
    expression.setExpression(cp(c.condition));
    const auto flat = FlatCondition::of(expression);
    ASSERT_TRUE(flat);
    const auto sieve = RecordSieve::of(*flat, table);
    ASSERT_EQ(sieve != nullptr, c.sieved);
    if (!sieve) continue;
    std::vector<RecordSieve::Candidate> candidates;
    sieve->sift(records, table.recordCount(), candidates);
    std::string kept(static_cast<std::size_t>(table.recordCount()), '.');
    for (const auto& candidate : candidates)
      kept[static_cast<std::size_t>(candidate.index)] = candidate.fieldsMiss ? 'M' : 'F';
    EXPECT_EQ(kept, c.kept);
  }
}

}  // namespace
}  // namespace kestrin::dbf
