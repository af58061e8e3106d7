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

// The value after the option at args[i], stepping i onto it; a missing
// value is "Option --x needs a value".
inline const std::string& optionValue(const Args& args, std::size_t& i) {
  if (i + 1 >= args.size()) throw UsageError("Option " + args[i] + " needs a value");
  return args[++i];
}

// The value after the option at args[i] as a whole number, stepping i onto
// it: "Option --x needs a whole number, not \"abc\"" for anything else,
// including a number too large for an int.
int wholeNumberValue(const Args& args, std::size_t& i);

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
