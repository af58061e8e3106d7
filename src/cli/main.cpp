#include <exception>
#include <iostream>
#include <map>
#include <string>
#include <string_view>

#include "cli/command.h"
#include "cli/command_help.h"
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

bool isCommand(std::string_view name) { return commands().count(std::string(name)) > 0; }

}  // namespace

int main(int argc, char** argv) {
  using kestrin::cli::isHelpOption;
  if (argc < 2) {
    std::cerr << kestrin::cli::programHelp(isCommand);
    return 1;
  }
  const std::string first = argv[1];
  if (isHelpOption(first) || first == "help") {
    std::cout << kestrin::cli::programHelp(isCommand);
    return 0;
  }
  if (first == "--version" || first == "-V") {
    std::cout << kestrin::cli::programVersion() << "\n";
    return 0;
  }
  const auto it = commands().find(first);
  if (it == commands().end()) {
    std::cerr << "Unknown command " << kestrin::cli::terminalText(first) << " (kestrin-cli --help lists them)\n";
    return 1;
  }
  // COMMAND --help anywhere before a "--" answers with the command's help.
  for (int i = 2; i < argc && std::string_view(argv[i]) != "--"; ++i) {
    if (!isHelpOption(argv[i])) continue;
    if (const auto* help = kestrin::cli::commandHelp(first)) {
      std::cout << help->usage;
    } else {
      std::cout << "usage: kestrin-cli " << first << " ...\n";
    }
    return 0;
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
