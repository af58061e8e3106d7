// kestrin-cli answers --help and --version, lists every command it has, and
// every listed command answers COMMAND --help with its own usage.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.h"
#include "support/temp_dir.h"

namespace kestrin::cli {
namespace {

struct Answer {
  int status = -1;
  std::string out;  // stdout and stderr together
};

// The program with `arguments` split at blanks.
Answer ask(const std::string& arguments) {
  std::vector<std::string> args;
  std::istringstream words(arguments);
  for (std::string word; words >> word;) args.push_back(word);
  const testing::TempDir scratch;
  const testing::CliRun run = testing::runCli(args, scratch.path());
  return {run.status, run.out + run.err};
}

TEST(CliHelp, ProgramAnswersAndRefuses) {
  struct Case {
    const char* arguments;
    int status;
    const char* holds;
  };
  const Case cases[] = {
      {"--help", 0, "usage: kestrin-cli COMMAND"},
      {"-h", 0, "commands:"},
      {"--version", 0, "kestrin-cli 0."},
      {"", 1, "usage: kestrin-cli COMMAND"},
      {"--bogus", 1, "Unknown command --bogus"},
      {"count --help", 0, "usage: kestrin-cli count TABLE"},
      {"count /nonexistent.dbf --bogus", 1, "--bogus"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const Answer answer = ask(c.arguments);
    EXPECT_EQ(answer.status, c.status);
    EXPECT_NE(answer.out.find(c.holds), std::string::npos) << answer.out;
  }
}

TEST(CliHelp, EveryListedCommandHasItsUsage) {
  const Answer list = ask("--help");
  std::istringstream lines(list.out.substr(list.out.find("commands:\n") + 10));
  int commands = 0;
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string name;
    if (!(words >> name)) continue;
    SCOPED_TRACE(name);
    ++commands;
    const Answer usage = ask(name + " --help");
    EXPECT_EQ(usage.status, 0);
    EXPECT_EQ(usage.out.rfind("usage: kestrin-cli " + name + " ", 0), 0u) << usage.out;
  }
  EXPECT_GE(commands, 7);
}

}  // namespace
}  // namespace kestrin::cli
