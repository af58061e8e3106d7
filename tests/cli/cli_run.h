// Runs the kestrin-cli program of the build as a user would, for the tests
// that check what reaches the terminal: exit status, stdout and stderr.
#pragma once

#include <string>
#include <vector>

namespace kestrin::testing {

struct CliRun {
  int status = -1;  // the exit status; -1 when the program did not exit
  std::string out;
  std::string err;
};

// kestrin-cli with `args`, each passed as it is; stderr is kept in a file in
// the folder `scratch`.
CliRun runCli(const std::vector<std::string>& args, const std::string& scratch);

}  // namespace kestrin::testing
