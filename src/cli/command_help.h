// What kestrin-cli and each of its commands say to --help and --version.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace kestrin::cli {

struct CommandHelp {
  std::string_view name;
  std::string_view summary;  // one line for the list of commands
  std::string_view usage;    // the synopsis and every option, as COMMAND --help prints them
};

// The help of command `name`; nullptr for a name that is no command.
const CommandHelp* commandHelp(std::string_view name);

// The program's help: its synopsis and every command `isCommand` accepts,
// each with its summary.
std::string programHelp(const std::function<bool(std::string_view)>& isCommand);

// "kestrin-cli 0.1.0".
std::string programVersion();

// Whether `arg` asks for help.
inline bool isHelpOption(std::string_view arg) { return arg == "--help" || arg == "-h"; }

}  // namespace kestrin::cli
