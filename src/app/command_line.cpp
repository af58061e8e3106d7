#include "app/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <sstream>

namespace kestrin::app {

ProgramCommandLine readProgramCommandLine(const std::vector<std::string>& arguments) {
  CLI::App app{"Kestrin: a read-only viewer of the archive base of \"Архивный Фонд\".", "kestrin"};
  app.footer(
      "Without FOLDER the base folder comes from the settings (PathBase in Kestrin.ini), else from the\n"
      "standard places. The settings file is Kestrin.ini beside the program when that folder can be\n"
      "written, otherwise $XDG_CONFIG_HOME/Kestrin/Kestrin.ini (~/.config by default).");
  std::string folder;
  app.add_option("FOLDER", folder, "The base folder: the folder holding FOND.DBF, OPIS.DBF, DELO.DBF, DOCUM.DBF");
  app.set_version_flag("-V,--version", std::string("kestrin ") + KESTRIN_VERSION);

  ProgramCommandLine result;
  // CLI11 takes the arguments last to first.
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& error) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = app.exit(error, out, err);
    result.run = false;
    result.exitCode = code == 0 ? 0 : 2;
    result.textIsError = code != 0;
    result.text = code == 0 ? out.str() : err.str();
    return result;
  }
  if (app.count("FOLDER") > 0) result.baseFolder = folder;
  return result;
}

}  // namespace kestrin::app
