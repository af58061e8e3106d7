// kestrin-cli export: the saved list on stdout or in a file, in either form,
// from the start-up list or with --all and --filter, and its argument errors.
#include <gtest/gtest.h>

#include <sstream>

#include "browse/test_level_tables.h"
#include "cli/command.h"
#include "support/temp_dir.h"
#include "text/cp1251_utf8.h"

namespace kestrin::cli {
namespace {

using browse::testing::TestRow;

void writeFonds(const std::string& folder) {
  std::vector<TestRow> rows;
  for (int i = 1; i <= 3; ++i) {
    TestRow row;
    row.values["KOD"] = std::to_string(i);
    row.values["FKOD"] = std::to_string(i);
    row.values["FNAME"] = "Фонд, №" + std::to_string(i);
    row.values["A100"] = static_cast<long long>(i == 2 ? 2 : 1);  // fond 2 is not held
    rows.push_back(row);
  }
  browse::testing::writeLevelTable(folder, archive::ArchiveCursor::Fond, rows);
}

struct ExportCase {
  const char* name;
  Args options;
  std::string expected;  // UTF-8
  bool cp1251;           // the bytes are Windows-1251
};

class ExportCommandTest : public ::testing::TestWithParam<ExportCase> {};

TEST_P(ExportCommandTest, WritesTheList) {
  const ExportCase& c = GetParam();
  testing::TempDir dir;
  writeFonds(dir.path());
  Args args{dir.path(), "fond"};
  args.insert(args.end(), c.options.begin(), c.options.end());
  std::ostringstream out;
  EXPECT_EQ(runExport(args, out), 0);
  EXPECT_EQ(out.str(), c.cp1251 ? text::utf8ToCp1251(c.expected) : c.expected);

  // --output writes the same bytes to the file and nothing to stdout.
  args.push_back("--output");
  args.push_back(dir.file("Фонды.out"));
  std::ostringstream none;
  EXPECT_EQ(runExport(args, none), 0);
  EXPECT_EQ(none.str(), "");
  EXPECT_EQ(testing::readFileBytes(dir.file("Фонды.out")), out.str());
}

constexpr const char* kHeader = "№\tЗаголовок\tКол-во оп.\tТип\tДаты\tКол-во дел\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, ExportCommandTest,
    ::testing::Values(
        ExportCase{
            "held_tsv", {}, std::string(kHeader) + "1\tФонд, №1\t0\t\tб/д\t0\r\n3\tФонд, №3\t0\t\tб/д\t0\r\n", true},
        ExportCase{"all",
                   {"--all"},
                   std::string(kHeader) +
                       "1\tФонд, №1\t0\t\tб/д\t0\r\n2\tФонд, №2\t0\t\tб/д\t0\r\n3\tФонд, №3\t0\t\tб/д\t0\r\n",
                   true},
        ExportCase{"filter", {"--filter", "A100=2"}, std::string(kHeader) + "2\tФонд, №2\t0\t\tб/д\t0\r\n", true},
        ExportCase{"csv",
                   {"--format", "csv"},
                   "\xEF\xBB\xBF№,Заголовок,Кол-во оп.,Тип,Даты,Кол-во дел\r\n1,\"Фонд, №1\",0,,б/д,0\r\n"
                   "3,\"Фонд, №3\",0,,б/д,0\r\n",
                   false}),
    [](const auto& p) { return std::string(p.param.name); });

struct ErrorCase {
  const char* name;
  Args args;  // after BASE
  std::string message;
};

class ExportCommandErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ExportCommandErrorTest, Refuses) {
  const ErrorCase& c = GetParam();
  testing::TempDir dir;
  writeFonds(dir.path());
  Args args{dir.path()};
  args.insert(args.end(), c.args.begin(), c.args.end());
  std::ostringstream out;
  try {
    runExport(args, out);
    FAIL() << "no error";
  } catch (const std::exception& error) {
    EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExportCommandErrorTest,
    ::testing::Values(ErrorCase{"unknown_level", {"fonds"}, "Unknown level fonds"},
                      ErrorCase{"unknown_format", {"fond", "--format", "xls"}, "Unknown format xls"},
                      ErrorCase{"missing_output", {"fond", "--output"}, "Option --output needs a value"},
                      ErrorCase{"missing_table", {"delo"}, "DELO"},
                      ErrorCase{"output_folder_missing",
                                {"fond", "--output", "/nonexistent-kestrin/Фонды.txt"},
                                "Cannot create file /nonexistent-kestrin/Фонды.txt"}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace kestrin::cli
