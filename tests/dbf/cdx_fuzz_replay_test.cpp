// Replays the CDX fuzz corpus (seeds and every input that once crashed the
// reader) through the fuzz target's own entry function.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "entries/cdx_fuzz_entry.h"
#include "support/temp_dir.h"

namespace kestrin::dbf {
namespace {

std::vector<std::filesystem::path> corpus() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(KESTRIN_SOURCE_DIR) + "/fuzz/corpus/cdx")) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(CdxFuzzReplay, CorpusNeitherCrashesNorThrowsOtherErrors) {
  const std::vector<std::filesystem::path> files = corpus();
  ASSERT_FALSE(files.empty());
  int opened = 0;
  for (const auto& path : files) {
    SCOPED_TRACE(path.filename().string());
    const std::string bytes = testing::readFileBytes(path.string());
    EXPECT_NO_THROW(opened += fuzz::exerciseCdxImage(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                                     bytes.size()));
  }
  EXPECT_GT(opened, 0) << "the seeds are valid files";
}

}  // namespace
}  // namespace kestrin::dbf
