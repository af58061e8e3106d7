#include "cli/cli_run.h"

#include <sys/wait.h>

#include <cstdio>

#include "support/temp_dir.h"

namespace kestrin::testing {
namespace {

std::string quoted(const std::string& arg) {
  std::string q = "'";
  for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

}  // namespace

CliRun runCli(const std::vector<std::string>& args, const std::string& scratch) {
  std::string command = KESTRIN_CLI_PATH;
  for (const auto& arg : args) command += " " + quoted(arg);
  const std::string errFile = scratch + "/stderr.txt";
  command += " 2>" + quoted(errFile) + " </dev/null";
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, got);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = readFileBytes(errFile);
  return run;
}

}  // namespace kestrin::testing
