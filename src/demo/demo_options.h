// How large a demo archive to write, and with which seed.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kestrin::demo {

struct DemoOptions {
  long long files = 3000;    // live file (дело) records to write
  int filesPerFond = 60;     // on average; the number of fonds follows
  int documentsPerFile = 3;  // on average
  int photoFolders = 150;    // files of photographs given a photo folder, at most
  std::uint64_t seed = 1;
  std::function<void(const std::string&)> progress;  // may be empty
};

// "small" (about 50 fonds and 3,000 files), "medium" (100,000 files) or
// "large" (1,000,000 files, about 3,000,000 documents). Throws
// std::invalid_argument for another name.
DemoOptions demoOptionsForScale(std::string_view scale);

// About `files` files, with fonds of a size that suits that many.
DemoOptions demoOptionsForFiles(long long files);

}  // namespace kestrin::demo
