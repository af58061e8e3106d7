// The subcommands of kestrin-cli. Each takes its arguments (after the command
// name), writes its output to `out` in UTF-8 and returns the exit status.
// Errors are thrown; main prints the message as one line on stderr and exits 1.
#pragma once

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace kestrin::cli {

using Args = std::vector<std::string>;

// A usage error: wrong or missing arguments.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

int runDump(const Args& args, std::ostream& out);
int runCount(const Args& args, std::ostream& out);
int runEval(const Args& args, std::ostream& out);
int runFormat(const Args& args, std::ostream& out);
int runColumns(const Args& args, std::ostream& out);
int runMakeDemo(const Args& args, std::ostream& out);
int runCard(const Args& args, std::ostream& out);
int runAdvanced(const Args& args, std::ostream& out);
int runExport(const Args& args, std::ostream& out);
int runSearch(const Args& args, std::ostream& out);
int runPhotos(const Args& args, std::ostream& out);
int runPhotoSearch(const Args& args, std::ostream& out);
int runPhotoInfo(const Args& args, std::ostream& out);

}  // namespace kestrin::cli
