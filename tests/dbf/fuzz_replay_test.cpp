// Replays every kept fuzz input (the seeds and every input that once crashed
// a reader) through the entry function its fuzz target runs, one test case per
// input, named after its folder and file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "entries/cdx_fuzz_entry.h"
#include "entries/dbf_fuzz_entry.h"
#include "entries/expr_fuzz_entry.h"
#include "support/temp_dir.h"

namespace kestrin::fuzz {
namespace {

using Entry = bool (*)(const std::uint8_t* data, std::size_t size);

struct Corpus {
  const char* folder;  // under fuzz/corpus
  Entry entry;
  int minimumInputs;    // the folder has not lost its inputs
  int minimumAccepted;  // inputs the entry reads as a whole file (the valid seeds)
};

const Corpus kCorpora[] = {
    {"dbf", walkTableImage, 5, 2},
    {"cdx", exerciseCdxImage, 6, 1},
    {"expr", evaluateExpressionInput, 10, 10},
};

std::filesystem::path corpusFolder(const Corpus& corpus) {
  return std::filesystem::path(KESTRIN_SOURCE_DIR) / "fuzz" / "corpus" / corpus.folder;
}

struct KeptInput {
  const Corpus* corpus;
  std::filesystem::path path;
};

std::vector<std::filesystem::path> inputsOf(const Corpus& corpus) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(corpusFolder(corpus), error)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<KeptInput> keptInputs() {
  std::vector<KeptInput> inputs;
  for (const Corpus& corpus : kCorpora) {
    for (auto& path : inputsOf(corpus)) inputs.push_back({&corpus, std::move(path)});
  }
  return inputs;
}

bool run(const Corpus& corpus, const std::filesystem::path& path) {
  const std::string bytes = testing::readFileBytes(path.string());
  return corpus.entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// "cdx_seed_two_levels": letters and digits kept, everything else an underscore.
std::string caseName(const ::testing::TestParamInfo<KeptInput>& info) {
  std::string name = std::string(info.param.corpus->folder) + "_" + info.param.path.filename().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

void PrintTo(const KeptInput& input, std::ostream* out) {
  *out << input.corpus->folder << "/" << input.path.filename().string();
}
void PrintTo(const Corpus& corpus, std::ostream* out) { *out << corpus.folder; }

class FuzzReplay : public ::testing::TestWithParam<KeptInput> {};

// Damaged input may only make the reader refuse it with the engine's errors,
// which the entry function swallows: anything else escapes and fails here.
TEST_P(FuzzReplay, RunsCleanly) { EXPECT_NO_THROW(run(*GetParam().corpus, GetParam().path)); }

INSTANTIATE_TEST_SUITE_P(Kept, FuzzReplay, ::testing::ValuesIn(keptInputs()), caseName);

class FuzzCorpus : public ::testing::TestWithParam<Corpus> {};

TEST_P(FuzzCorpus, HoldsItsInputsAndItsValidSeedsAreRead) {
  const Corpus& corpus = GetParam();
  const auto inputs = inputsOf(corpus);
  EXPECT_GE(static_cast<int>(inputs.size()), corpus.minimumInputs);
  int accepted = 0;
  for (const auto& path : inputs) accepted += run(corpus, path) ? 1 : 0;
  EXPECT_GE(accepted, corpus.minimumAccepted);
}

std::string folderName(const ::testing::TestParamInfo<Corpus>& corpus) { return corpus.param.folder; }

INSTANTIATE_TEST_SUITE_P(Kept, FuzzCorpus, ::testing::ValuesIn(kCorpora), folderName);

}  // namespace
}  // namespace kestrin::fuzz
