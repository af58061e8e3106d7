// kestrin-cli make-demo DIR: writes the synthetic demo archive, the base into
// DIR/DBF and the photo folder into DIR/Photo.
#include <chrono>
#include <filesystem>
#include <iostream>

#include "cli/command.h"
#include "cli/command_parser.h"
#include "demo/demo_base.h"
#include "text/cp1251_case.h"

namespace kestrin::cli {
namespace fs = std::filesystem;

namespace {

bool holdsTables(const fs::path& folder) {
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (text::upper1251(it->path().extension().string()) == ".DBF") return true;
  }
  return false;
}

}  // namespace

int runMakeDemo(const Args& args, std::ostream& out) {
  std::string dir;
  std::string scale;
  long long filesWanted = 0;
  unsigned long long seed = 1;
  CommandParser parser("make-demo");
  CLI::App& app = parser.app();
  app.add_option("DIR", dir)->required();
  CLI::Option* scaleOption = app.add_option("--scale", scale);
  parser.addNumber("--files", filesWanted, 1LL)->excludes(scaleOption);
  parser.addNumber("--seed", seed);
  parser.parse(args);

  demo::DemoOptions options;
  try {
    options = filesWanted > 0 ? demo::demoOptionsForFiles(filesWanted)
                              : demo::demoOptionsForScale(scale.empty() ? "small" : scale);
  } catch (const std::invalid_argument& error) {
    throw UsageError(error.what());
  }
  options.seed = seed;
  options.progress = [](const std::string& message) { std::cerr << message << std::endl; };

  const fs::path base = fs::path(dir) / "DBF";
  if (holdsTables(base)) throw std::runtime_error("Folder " + base.string() + " already holds tables");
  std::cerr << "writing the demo archive into " << dir << ": about " << options.files << " files" << std::endl;
  const auto started = std::chrono::steady_clock::now();
  const auto archive = demo::writeDemoArchive(dir, options);
  const auto& c = archive.counts;
  const auto seconds =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count() /
      1000.0;
  std::cerr << "fonds " << c.fonds << ", inventories " << c.inventories << ", files " << c.files << ", documents "
            << c.documents << ", renamings " << c.renamings << ", topography " << c.topography
            << ", photo characteristics " << c.photoRecords << ", rubrics " << c.rubrics << ", keywords " << c.keywords
            << ", deleted records " << c.deleted << "; photo folders " << c.photos.folders << ", pictures "
            << c.photos.pictures << "; " << seconds << " s" << std::endl;
  out << archive.baseFolder << "\n";
  return 0;
}

}  // namespace kestrin::cli
