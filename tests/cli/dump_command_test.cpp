// kestrin-cli dump and count: golden listings of small tables.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/command.h"
#include "dbf/writer/cdx_writer.h"
#include "support/table_builder.h"
#include "support/temp_dir.h"

namespace kestrin::cli {
namespace {

using testing::cp;
using testing::TempDir;

std::string sampleTable(const TempDir& dir) {
  return testing::writeTable(
      dir.file("S.DBF"),
      {{"KOD", 'C', 7, 0},
       {"NAME", 'C', 12, 0},
       {"N", 'N', 6, 2},
       {"D", 'D', 8, 0},
       {"L", 'L', 1, 0},
       {"M", 'M', 10, 0}},
      {{{std::string("      1"), cp("Фонд \"А\""), 1.5, dbf::CivilDate{1917, 11, 7}, true, cp("Тот\nсамый")}},
       {{std::string("      2"), std::string("gone")}, true},
       {{std::string("      3")}}});
}

std::string run(int (*command)(const Args&, std::ostream&), const Args& args) {
  std::ostringstream out;
  EXPECT_EQ(command(args, out), 0);
  return out.str();
}

TEST(DumpCommand, ListsVisibleRecordsByTheValueMapping) {
  TempDir dir;
  const std::string table = sampleTable(dir);
  EXPECT_EQ(run(runDump, {table}),
            "{\"recno\": 1, \"deleted\": false, \"KOD\": \"      1\", \"NAME\": \"Фонд \\\"А\\\"\", \"N\": 1.5, "
            "\"D\": \"1917-11-07\", \"L\": true, \"M\": \"Тот\\nсамый\"}\n"
            "{\"recno\": 3, \"deleted\": false, \"KOD\": \"      3\", \"NAME\": null, \"N\": 0, \"D\": null, "
            "\"L\": false, \"M\": null}\n");
}

TEST(DumpCommand, FieldsKeepDescriptorOrderAndDeletedRecordsCanBeShown) {
  TempDir dir;
  const std::string table = sampleTable(dir);
  EXPECT_EQ(run(runDump, {table, "--fields", "name,KOD", "--with-deleted"}),
            "{\"recno\": 1, \"deleted\": false, \"KOD\": \"      1\", \"NAME\": \"Фонд \\\"А\\\"\"}\n"
            "{\"recno\": 2, \"deleted\": true, \"KOD\": \"      2\", \"NAME\": \"gone\"}\n"
            "{\"recno\": 3, \"deleted\": false, \"KOD\": \"      3\", \"NAME\": null}\n");
  EXPECT_EQ(run(runCount, {table}), "2\n");
  EXPECT_EQ(run(runCount, {table, "--with-deleted"}), "3\n");
}

TEST(DumpCommand, IndexAndTagGiveKeyOrder) {
  TempDir dir;
  const std::string table = sampleTable(dir);
  dbf::CdxTagInput tag;
  tag.name = "BYNAME";
  tag.keyExpression = "UPPER(NAME)";
  tag.keyLength = 12;
  tag.keys = {{cp("ФОНД \"А\""), 1}, {"GONE", 2}, {"", 3}};
  dbf::writeCdxFile(dir.file("S.CDX"), {tag});
  EXPECT_EQ(run(runDump, {table, "--fields", "KOD", "--index", "s.cdx", "--tag", "byname", "--with-deleted"}),
            "{\"recno\": 3, \"deleted\": false, \"KOD\": \"      3\"}\n"
            "{\"recno\": 2, \"deleted\": true, \"KOD\": \"      2\"}\n"
            "{\"recno\": 1, \"deleted\": false, \"KOD\": \"      1\"}\n");
  std::ostringstream out;
  EXPECT_THROW(runDump({table, "--index", "s.cdx"}, out), UsageError);
  try {
    runDump({table, "--index", "s.cdx", "--tag", "NONE"}, out);
    ADD_FAILURE();
  } catch (const std::exception& error) {
    EXPECT_STREQ(error.what(), "Cannot find index tag NONE");
  }
}

TEST(DumpCommand, ErrorsCarryTheEngineMessage) {
  TempDir dir;
  const std::string table = sampleTable(dir);
  std::ostringstream out;
  try {
    runDump({table, "--fields", "NOPE"}, out);
    ADD_FAILURE();
  } catch (const std::exception& error) {
    EXPECT_STREQ(error.what(), "Field 'NOPE' not found");
  }
  EXPECT_THROW(runDump({}, out), UsageError);
  EXPECT_THROW(runDump({table, "--bogus"}, out), UsageError);
}

}  // namespace
}  // namespace kestrin::cli
