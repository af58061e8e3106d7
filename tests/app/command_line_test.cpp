// The program's command line: help and version on the terminal, one folder,
// and a clear refusal of anything else before a window exists.
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace kestrin::app {
namespace {

TEST(ProgramCommandLine, AnswersRunsOrRefuses) {
  struct Case {
    std::vector<std::string> arguments;
    bool run;
    int exitCode;
    const char* textHolds;  // in the printed text; "" when nothing is printed
    std::optional<std::string> folder;
  };
  const Case cases[] = {
      {{}, true, 0, "", std::nullopt},
      {{"/srv/af/DBF"}, true, 0, "", "/srv/af/DBF"},
      {{"--", "-odd-name"}, true, 0, "", "-odd-name"},
      {{"--help"}, false, 0, "FOLDER", std::nullopt},
      {{"-h"}, false, 0, "Kestrin.ini", std::nullopt},
      {{"--version"}, false, 0, "kestrin 0.", std::nullopt},
      {{"--bogus"}, false, 2, "--bogus", std::nullopt},
      {{"/a", "/b"}, false, 2, "/b", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.empty() ? std::string("(none)") : c.arguments.front());
    const ProgramCommandLine line = readProgramCommandLine(c.arguments);
    EXPECT_EQ(line.run, c.run);
    EXPECT_EQ(line.exitCode, c.exitCode);
    EXPECT_EQ(line.textIsError, c.exitCode != 0);
    EXPECT_NE(line.text.find(c.textHolds), std::string::npos) << line.text;
    if (c.run) {
      EXPECT_EQ(line.baseFolder, c.folder);
    }
  }
}

}  // namespace
}  // namespace kestrin::app
