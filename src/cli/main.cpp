#include <exception>
#include <iostream>
#include <map>
#include <string>

#include "cli/command.h"
#include "cli/terminal_text.h"

namespace {

using Command = int (*)(const kestrin::cli::Args&, std::ostream&);

const std::map<std::string, Command>& commands() {
  static const std::map<std::string, Command> table = {
      {"dump", kestrin::cli::runDump},
      {"count", kestrin::cli::runCount},
      {"eval", kestrin::cli::runEval},
      {"format", kestrin::cli::runFormat},
      {"columns", kestrin::cli::runColumns},
      {"make-demo", kestrin::cli::runMakeDemo},
      {"card", kestrin::cli::runCard},
      {"search", kestrin::cli::runSearch},
      {"advanced", kestrin::cli::runAdvanced},
      {"export", kestrin::cli::runExport},
      {"photos", kestrin::cli::runPhotos},
      {"photo-search", kestrin::cli::runPhotoSearch},
      {"photo-info", kestrin::cli::runPhotoInfo},
  };
  return table;
}

void printUsage(std::ostream& out) {
  out << "usage: kestrin-cli COMMAND [arguments]\n"
         "commands: dump, count, eval, format, columns, make-demo, card, search, advanced, export, photos,\n"
         "          photo-search, photo-info\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    printUsage(std::cerr);
    return 1;
  }
  const auto it = commands().find(argv[1]);
  if (it == commands().end()) {
    std::cerr << "Unknown command " << kestrin::cli::terminalText(argv[1]) << "\n";
    return 1;
  }
  try {
    const kestrin::cli::Args args(argv + 2, argv + argc);
    // Converted to Windows-1251, bytes that are no UTF-8 would turn into "?"
    // and search for something nobody typed.
    for (const std::string& arg : args) {
      if (!kestrin::cli::isValidUtf8(arg)) {
        throw kestrin::cli::UsageError("Argument \"" + kestrin::cli::terminalText(arg) + "\" is not valid UTF-8");
      }
    }
    const int status = it->second(args, std::cout);
    std::cout.flush();
    return status;
  } catch (const std::exception& error) {
    std::cout.flush();
    std::cerr << kestrin::cli::errorLine(error) << "\n";
    return 1;
  }
}
