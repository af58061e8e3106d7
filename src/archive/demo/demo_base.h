// Writes a synthetic archive base: the four level tables FOND, OPIS, DELO and
// DOCUM with their memo files, Russian titles and archival notation.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace kestrin::archive::demo {

struct DemoOptions {
  int fonds = 12;
  int inventoriesPerFond = 3;  // at most; each fond gets 1..this many
  int filesPerInventory = 20;  // at most
  int documentsPerFile = 4;    // at most
  std::uint64_t seed = 1;
  std::function<void(const std::string&)> progress;  // may be empty
};

struct DemoCounts {
  int fonds = 0;
  int inventories = 0;
  int files = 0;
  int documents = 0;
};

// Writes the tables into `baseFolder`, which must exist. Equal options give
// byte-identical files.
DemoCounts writeDemoLevelTables(const std::string& baseFolder, const DemoOptions& options);

}  // namespace kestrin::archive::demo
