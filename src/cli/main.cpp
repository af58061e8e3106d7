#include <exception>
#include <iostream>
#include <map>
#include <string>

#include "cli/command.h"

namespace {

using Command = int (*)(const kestrin::cli::Args&, std::ostream&);

const std::map<std::string, Command>& commands() {
  static const std::map<std::string, Command> table = {
      {"dump", kestrin::cli::runDump},       {"count", kestrin::cli::runCount},
      {"eval", kestrin::cli::runEval},       {"format", kestrin::cli::runFormat},
      {"columns", kestrin::cli::runColumns}, {"make-demo", kestrin::cli::runMakeDemo},
      {"card", kestrin::cli::runCard},
  };
  return table;
}

void printUsage(std::ostream& out) {
  out << "usage: kestrin-cli COMMAND [arguments]\n"
         "commands: dump, count, eval, format, columns, make-demo, card\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    printUsage(std::cerr);
    return 1;
  }
  const auto it = commands().find(argv[1]);
  if (it == commands().end()) {
    std::cerr << "Unknown command " << argv[1] << "\n";
    return 1;
  }
  try {
    const kestrin::cli::Args args(argv + 2, argv + argc);
    const int status = it->second(args, std::cout);
    std::cout.flush();
    return status;
  } catch (const std::exception& error) {
    std::cout.flush();
    std::cerr << error.what() << "\n";
    return 1;
  }
}
