#include "demo/demo_options.h"

#include <algorithm>
#include <stdexcept>

namespace kestrin::demo {

DemoOptions demoOptionsForFiles(long long files) {
  if (files < 1) throw std::invalid_argument("the demo base needs at least one file");
  DemoOptions options;
  options.files = files;
  options.filesPerFond = static_cast<int>(std::clamp(files / 50, 10LL, 150LL));
  return options;
}

DemoOptions demoOptionsForScale(std::string_view scale) {
  if (scale == "small") return demoOptionsForFiles(3000);
  if (scale == "medium") return demoOptionsForFiles(100000);
  if (scale == "large") return demoOptionsForFiles(1000000);
  throw std::invalid_argument("Unknown scale " + std::string(scale) + " (small, medium or large)");
}

}  // namespace kestrin::demo
