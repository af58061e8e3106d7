// Every command refuses a wrong command line with exit status 1, nothing on
// stdout and one line on stderr naming the argument at fault; texts that
// look like options still reach the command as texts.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "support/temp_dir.h"

namespace kestrin::cli {
namespace {

struct RefusalCase {
  const char* name;
  std::vector<std::string> args;
  std::string message;  // what the line on stderr holds
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.name; }

class ArgumentErrors : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ArgumentErrors, RefusedOnOneLineNamingTheArgument) {
  const RefusalCase& c = GetParam();
  testing::TempDir scratch("kestrin-args");
  const testing::CliRun run = testing::runCli(c.args, scratch.path());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
}

const char* const kBase = "/nonexistent-kestrin";

// Arguments are read before any file is opened, so the base need not exist.
INSTANTIATE_TEST_SUITE_P(
    UnknownOption, ArgumentErrors,
    ::testing::Values(
        RefusalCase{"dump", {"dump", "t.dbf", "--bogus"}, "Unknown option --bogus"},
        RefusalCase{"count_takes_no_fields", {"count", "t.dbf", "--fields", "A"}, "Unknown option --fields"},
        RefusalCase{"eval", {"eval", "1", "--bogus"}, "Unknown option --bogus"},
        RefusalCase{"format", {"format", "title", "x", "--bogus"}, "Unknown option --bogus"},
        RefusalCase{"columns", {"columns", kBase, "0", "--sort"}, "Unknown option --sort"},
        RefusalCase{"columns_before_its_level", {"columns", kBase, "--sort", "0"}, "Unknown option --sort"},
        RefusalCase{"columns_instead_of_its_level", {"columns", kBase, "--sort"}, "Unknown option --sort"},
        RefusalCase{"make_demo", {"make-demo", "/nonexistent-kestrin/demo", "--size", "3"}, "Unknown option --size"},
        RefusalCase{"card", {"card", kBase, "fond", "1", "--bogus"}, "Unknown option --bogus"},
        RefusalCase{"search", {"search", kBase, "delo", "q", "--slow"}, "Unknown option --slow"},
        RefusalCase{"advanced", {"advanced", kBase, "delo", "--no-title"}, "Unknown option --no-title"},
        RefusalCase{"export", {"export", kBase, "fond", "--bogus"}, "Unknown option --bogus"},
        RefusalCase{"photos", {"photos", kBase, "1", "2", "3", "--bogus"}, "Unknown option --bogus"},
        RefusalCase{"photo_search", {"photo-search", kBase, "q", "--bogus"}, "Unknown option --bogus"},
        RefusalCase{"photo_info", {"photo-info", "a.jpg", "--bogus"}, "Unknown option --bogus"}),
    [](const auto& test) { return std::string(test.param.name); });

INSTANTIATE_TEST_SUITE_P(
    MissingValue, ArgumentErrors,
    ::testing::Values(
        RefusalCase{"dump_filter", {"dump", "t.dbf", "--filter"}, "Option --filter needs a value"},
        RefusalCase{"count_tag", {"count", "t.dbf", "--tag"}, "Option --tag needs a value"},
        RefusalCase{"eval_recno", {"eval", "1", "--recno"}, "Option --recno needs a value"},
        RefusalCase{"eval_empty_inline", {"eval", "1", "--table="}, "Option --table needs a value"},
        RefusalCase{"make_demo_seed", {"make-demo", "d", "--seed"}, "Option --seed needs a value"},
        RefusalCase{"card_query", {"card", kBase, "0", "1", "--query"}, "Option --query needs a value"},
        RefusalCase{"search_mode", {"search", kBase, "0", "q", "--mode"}, "Option --mode needs a value"},
        RefusalCase{"advanced_years", {"advanced", kBase, "0", "--years"}, "Option --years needs a value"},
        RefusalCase{"export_output", {"export", kBase, "0", "--output"}, "Option --output needs a value"},
        RefusalCase{"photo_search_mode", {"photo-search", kBase, "q", "--mode"}, "Option --mode needs a value"}),
    [](const auto& test) { return std::string(test.param.name); });

INSTANTIATE_TEST_SUITE_P(
    NotANumber, ArgumentErrors,
    ::testing::Values(
        RefusalCase{"eval_recno", {"eval", "1", "--recno", "2x"}, "Option --recno needs a whole number, not \"2x\""},
        RefusalCase{"card_recno", {"card", kBase, "fond", "x"}, "RECNO needs a whole number, not \"x\""},
        RefusalCase{"card_recno_too_large",
                    {"card", kBase, "fond", "99999999999"},
                    "RECNO needs a whole number, not \"99999999999\""},
        RefusalCase{"make_demo_files",
                    {"make-demo", "d", "--files", "many"},
                    "Option --files needs a whole number of at least 1, not \"many\""},
        RefusalCase{"make_demo_no_files",
                    {"make-demo", "d", "--files", "0"},
                    "Option --files needs a whole number of at least 1, not \"0\""},
        RefusalCase{"make_demo_negative_seed",
                    {"make-demo", "d", "--seed", "-1"},
                    "Option --seed needs a whole number, not \"-1\""},
        RefusalCase{"advanced_move",
                    {"advanced", kBase, "delo", "--move", "one"},
                    "Option --move needs a whole number, not \"one\""},
        RefusalCase{
            "advanced_type", {"advanced", kBase, "delo", "--type", ""}, "Option --type needs a whole number, not \"\""},
        RefusalCase{"advanced_category",
                    {"advanced", kBase, "delo", "--category", "1.5"},
                    "Option --category needs a whole number, not \"1.5\""}),
    [](const auto& test) { return std::string(test.param.name); });

INSTANTIATE_TEST_SUITE_P(
    ExtraPositional, ArgumentErrors,
    ::testing::Values(RefusalCase{"dump", {"dump", "t.dbf", "u.dbf"}, "Unexpected argument u.dbf"},
                      RefusalCase{"eval", {"eval", "1", "2"}, "Unexpected argument 2"},
                      RefusalCase{"format", {"format", "title", "a", "b"}, "Unexpected argument b"},
                      RefusalCase{"columns", {"columns", kBase, "1", "extra"}, "Unexpected argument extra"},
                      RefusalCase{"make_demo", {"make-demo", "d", "e"}, "Unexpected argument e"},
                      RefusalCase{"card", {"card", kBase, "0", "1", "2"}, "Unexpected argument 2"},
                      RefusalCase{"search", {"search", kBase, "0", "q", "r"}, "Unexpected argument r"},
                      RefusalCase{"search_dash_text", {"search", kBase, "0", "q", "-r"}, "Unexpected argument -r"},
                      RefusalCase{"advanced", {"advanced", kBase, "0", "extra"}, "Unexpected argument extra"},
                      RefusalCase{"export", {"export", kBase, "0", "extra"}, "Unexpected argument extra"},
                      RefusalCase{"photos", {"photos", kBase, "1", "2", "3", "4"}, "Unexpected argument 4"},
                      RefusalCase{"photo_search", {"photo-search", kBase, "q", "r"}, "Unexpected argument r"},
                      RefusalCase{"photo_info", {"photo-info", "a.jpg", "b.jpg"}, "Unexpected argument b.jpg"}),
    [](const auto& test) { return std::string(test.param.name); });

INSTANTIATE_TEST_SUITE_P(
    MissingOrUnknownPositional, ArgumentErrors,
    ::testing::Values(
        RefusalCase{"count", {"count"}, "Missing TABLE argument"},
        RefusalCase{"eval", {"eval", "--no-partial"}, "Missing EXPR argument"},
        RefusalCase{"format_text", {"format", "title"}, "Missing TEXT argument"},
        RefusalCase{"format_operation", {"format", "shout", "a"}, "Unknown format operation shout"},
        RefusalCase{"columns_level", {"columns", kBase, "fond"}, "Unknown level fond"},
        RefusalCase{"card_recno", {"card", kBase, "fond"}, "Missing RECNO argument"},
        RefusalCase{"search_level", {"search", kBase, "files", "q"}, "Unknown level files"},
        RefusalCase{"search_mode", {"search", kBase, "0", "q", "--mode", "some"}, "Unknown mode some"},
        RefusalCase{"advanced_text_mode", {"advanced", kBase, "0", "--text-mode", "some"}, "Unknown text mode some"},
        RefusalCase{"export_format", {"export", kBase, "0", "--format", "xls"}, "Unknown format xls"},
        RefusalCase{"photos_delo", {"photos", kBase, "1", "2"}, "Missing DELO argument"},
        RefusalCase{"photo_info", {"photo-info"}, "Missing FILE argument"},
        RefusalCase{"make_demo_scale_and_files",
                    {"make-demo", "d", "--scale", "small", "--files", "5"},
                    "--scale excludes --files"}),
    [](const auto& test) { return std::string(test.param.name); });

struct AcceptedCase {
  const char* name;
  std::vector<std::string> args;
  std::string out;
};

void PrintTo(const AcceptedCase& c, std::ostream* out) { *out << c.name; }

class TextArguments : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(TextArguments, ReachTheCommandAsTexts) {
  const AcceptedCase& c = GetParam();
  testing::TempDir scratch("kestrin-args");
  const testing::CliRun run = testing::runCli(c.args, scratch.path());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextArguments,
    ::testing::Values(
        AcceptedCase{"dash_text", {"format", "quotes", "-x"}, "{\"typography\": \"-x\"}\n"},
        AcceptedCase{"dash_text_before_operation_text", {"format", "group", "-1234"}, "{\"text\": \"-1 234\"}\n"},
        AcceptedCase{"after_the_end_of_options", {"format", "quotes", "--", "--x"}, "{\"typography\": \"--x\"}\n"},
        AcceptedCase{
            "dash_value_of_an_option", {"eval", "--recno", "-1", "2"}, "{\"kind\": \"Number\", \"value\": 2}\n"},
        AcceptedCase{"repeated_option_counts_last",
                     {"eval", "--recno", "x", "--recno", "3", "1"},
                     "{\"kind\": \"Number\", \"value\": 1}\n"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace kestrin::cli
