#include <gtest/gtest.h>

#include <sstream>

#include "cli/command.h"
#include "support/case_names.h"

namespace kestrin::cli {
namespace {

struct FormatCase {
  const char* operation;
  const char* text;
  const char* line;
};

void PrintTo(const FormatCase& c, std::ostream* out) { *out << c.operation << ' ' << c.text; }

class FormatCommandTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatCommandTest, PrintsOneJsonLine) {
  const FormatCase& c = GetParam();
  std::ostringstream out;
  EXPECT_EQ(runFormat({c.operation, c.text}, out), 0);
  EXPECT_EQ(out.str(), std::string(c.line) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Operations, FormatCommandTest,
    ::testing::Values(
        FormatCase{"date-range", "5-7 марта 1920",
                   R"j({"ok": true, "start": "1920-03-05", "end": "1920-03-07", "display": ""})j"},
        FormatCase{"date-range", "[1920]",
                   R"j({"ok": true, "start": "1920-01-01", "end": "1920-12-31", "display": "[1920]"})j"},
        FormatCase{"date-range", "б/д", R"j({"ok": false, "start": null, "end": null, "display": "б/д"})j"},
        FormatCase{"date-parts", "03.20", R"j({"ok": true, "day": -1, "month": 3, "year": 1920})j"},
        FormatCase{"date-parts", "1.2.3.4", R"j({"ok": false, "day": -1, "month": -1, "year": -1})j"},
        FormatCase{"title", "Фонд \"Заря\" ( 1920-1925 гг.)",
                   R"j({"autoformat": "Фонд \"Заря\" (1920-1925 гг.)", "typography": "Фонд «Заря» (1920–1925 гг.)"})j"},
        FormatCase{"quotes", "\"Заря\" 1920-1925", R"j({"typography": "«Заря» 1920–1925"})j"},
        FormatCase{"fond-key", "р12а", R"j({"key": "р-   12а"})j"},
        FormatCase{"inventory-key", "3 2", R"j({"key": "  3  2  "})j"},
        FormatCase{"file-key", "12", R"j({"key": "      12  "})j"},
        FormatCase{"group", "1234567", R"j({"text": "1 234 567"})j"}),
    kestrin::testing::labelled([](const FormatCase& c) { return std::string(c.operation) + " " + c.text; }));

TEST(FormatCommandUsageTest, WrongArgumentsAreUsageErrors) {
  std::ostringstream out;
  EXPECT_THROW(runFormat({}, out), UsageError);
  EXPECT_THROW(runFormat({"title"}, out), UsageError);
  EXPECT_THROW(runFormat({"title", "a", "b"}, out), UsageError);
  EXPECT_THROW(runFormat({"shout", "a"}, out), UsageError);
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace kestrin::cli
