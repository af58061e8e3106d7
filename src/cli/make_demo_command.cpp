// kestrin-cli make-demo DIR: writes a synthetic archive base into DIR/DBF.
#include <filesystem>
#include <iostream>

#include "archive/demo/demo_base.h"
#include "cli/command.h"

namespace kestrin::cli {
namespace fs = std::filesystem;

namespace {

bool holdsTables(const fs::path& folder) {
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::string ext = it->path().extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".dbf") return true;
  }
  return false;
}

archive::demo::DemoOptions optionsForScale(const std::string& scale) {
  archive::demo::DemoOptions options;
  if (scale == "small") {
    options.fonds = 12;
  } else if (scale == "medium") {
    options.fonds = 300;
    options.filesPerInventory = 60;
  } else if (scale == "large") {
    options.fonds = 3000;
    options.filesPerInventory = 120;
    options.documentsPerFile = 6;
  } else {
    throw UsageError("Unknown scale " + scale + " (small, medium or large)");
  }
  return options;
}

}  // namespace

int runMakeDemo(const Args& args, std::ostream& out) {
  std::string dir;
  std::string scale = "small";
  long long filesWanted = -1;
  unsigned long long seed = 1;
  for (std::size_t i = 0; i < args.size(); ++i) {
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError("Option " + args[i] + " needs a value");
      return args[++i];
    };
    if (args[i] == "--scale") {
      scale = value();
    } else if (args[i] == "--files") {
      filesWanted = std::stoll(value());
    } else if (args[i] == "--seed") {
      seed = std::stoull(value());
    } else if (dir.empty()) {
      dir = args[i];
    } else {
      throw UsageError("Unexpected argument " + args[i]);
    }
  }
  if (dir.empty())
    throw UsageError("usage: kestrin-cli make-demo DIR [--scale small|medium|large | --files N] [--seed S]");

  auto options = optionsForScale(scale);
  if (filesWanted > 0) {
    // Ten files per inventory and two inventories per fond on average.
    options.filesPerInventory = 19;
    options.inventoriesPerFond = 3;
    options.fonds = static_cast<int>(std::max(1LL, filesWanted / 20));
  }
  options.seed = seed;
  options.progress = [](const std::string& message) { std::cerr << message << "\n"; };

  const fs::path base = fs::path(dir) / "DBF";
  if (holdsTables(base)) throw std::runtime_error("Folder " + base.string() + " already holds tables");
  fs::create_directories(base);
  std::cerr << "writing the demo base into " << base.string() << "\n";
  const auto counts = archive::demo::writeDemoLevelTables(base.string(), options);
  std::cerr << "fonds " << counts.fonds << ", inventories " << counts.inventories << ", files " << counts.files
            << ", documents " << counts.documents << "\n";
  out << base.string() << "\n";
  return 0;
}

}  // namespace kestrin::cli
