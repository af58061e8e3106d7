// kestrin-cli make-demo DIR: writes the synthetic demo archive, the base into
// DIR/DBF and the photo folder into DIR/Photo.
#include <chrono>
#include <filesystem>
#include <iostream>

#include "cli/command.h"
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

// A whole number of at least `least`, all of `text`.
unsigned long long parseNumber(const std::string& option, const std::string& text, unsigned long long least) {
  std::size_t used = 0;
  unsigned long long value = 0;
  try {
    value = std::stoull(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != text.size() || text.empty() || text[0] == '-' || value < least) {
    throw UsageError("Option " + option + " needs a whole number, not " + text);
  }
  return value;
}

}  // namespace

int runMakeDemo(const Args& args, std::ostream& out) {
  std::string dir;
  std::string scale;
  long long filesWanted = 0;
  unsigned long long seed = 1;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--scale") {
      scale = optionValue(args, i);
    } else if (args[i] == "--files") {
      filesWanted = static_cast<long long>(parseNumber("--files", optionValue(args, i), 1));
    } else if (args[i] == "--seed") {
      seed = parseNumber("--seed", optionValue(args, i), 0);
    } else if (dir.empty()) {
      dir = args[i];
    } else {
      throw UsageError("Unexpected argument " + args[i]);
    }
  }
  if (dir.empty() || (!scale.empty() && filesWanted > 0)) {
    throw UsageError("usage: kestrin-cli make-demo DIR [--scale small|medium|large | --files N] [--seed S]");
  }

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
