// Replays the kept fuzz inputs (seeds and every input that once crashed)
// through the same traversal as the fuzz target.
#include <gtest/gtest.h>

#include <filesystem>

#include "entries/dbf_fuzz_entry.h"
#include "support/temp_dir.h"

namespace kestrin::fuzz {
namespace {

TEST(FuzzReplay, KeptTableInputsRunCleanly) {
  const std::filesystem::path corpus = std::filesystem::path(KESTRIN_SOURCE_DIR) / "fuzz/corpus/dbf";
  int replayed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    const std::string bytes = testing::readFileBytes(entry.path().string());
    SCOPED_TRACE(entry.path().filename().string());
    walkTableFromBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++replayed;
  }
  EXPECT_GE(replayed, 5);
}

}  // namespace
}  // namespace kestrin::fuzz
