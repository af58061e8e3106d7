// The program's command line, read before any window exists: --help and
// --version answer on the terminal, an unknown option or a second folder is
// refused, and one folder argument names the base.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kestrin::app {

struct ProgramCommandLine {
  bool run = true;   // false: print `text` and exit with `exitCode`
  int exitCode = 0;  // 0 for --help and --version, 2 for a refused command line
  std::string text;  // what to print (help, version or the error), ends with a newline
  bool textIsError = false;
  std::optional<std::string> baseFolder;
};

// `arguments` without the program name.
ProgramCommandLine readProgramCommandLine(const std::vector<std::string>& arguments);

}  // namespace kestrin::app
