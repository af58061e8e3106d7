// CDX reader speed over a tag of 1,000,000 keys: a full walk in key order and
// 10,000 exact seeks. The file is written once per run by the CDX writer into
// a temporary folder. items_per_second is keys per second.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench_bases.h"
#include "dbf/cdx/cdx_file.h"
#include "dbf/writer/cdx_writer.h"
#include "support/temp_dir.h"

namespace {

constexpr std::uint32_t kKeys = 1'000'000;
constexpr int kSeeks = 10'000;

// A KOD-style key: the number right-aligned in 10 characters.
std::string kod(std::uint32_t n) {
  std::string s = std::to_string(n);
  return std::string(10 - s.size(), ' ') + s;
}

// The index file, written on first use and removed with its folder at exit.
class BenchIndex {
 public:
  BenchIndex() : path_(folder_.file("delo.cdx")) {
    kestrin::dbf::CdxTagInput tag;
    tag.name = "KOD";
    tag.keyExpression = "KOD";
    tag.keyLength = 10;
    tag.keys.reserve(kKeys);
    std::mt19937 rng(1);
    for (std::uint32_t r = 1; r <= kKeys; ++r) tag.keys.push_back({kod(rng() % (kKeys * 4)), r});
    kestrin::dbf::writeCdxFile(path_, {tag});
  }
  const std::string& path() const { return path_; }

 private:
  kestrin::testing::TempDir folder_{"kestrin-cdx-bench"};
  std::string path_;
};

const std::string& indexPath() {
  static BenchIndex index;
  return index.path();
}

void BM_CdxFullTraversal(benchmark::State& state) {
  auto file = kestrin::dbf::CdxFile::open(indexPath());
  kestrin::dbf::CdxTag& tag = *file->findTag("KOD");
  const bool forward = state.range(0) != 0;
  std::int64_t keys = 0;
  for (auto _ : state) {
    std::uint64_t sum = 0;
    for (std::uint32_t r = forward ? tag.first() : tag.last(); r != 0; r = forward ? tag.next() : tag.prior()) {
      sum += r;
      ++keys;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(keys);
}
BENCHMARK(BM_CdxFullTraversal)->Arg(1)->Arg(0)->ArgName("forward")->Unit(benchmark::kMillisecond);

void BM_CdxSeeks(benchmark::State& state) {
  auto file = kestrin::dbf::CdxFile::open(indexPath());
  kestrin::dbf::CdxTag& tag = *file->findTag("KOD");
  std::vector<std::string> keys;
  std::mt19937 rng(2);
  for (int i = 0; i < kSeeks; ++i) keys.push_back(tag.keyFromText(kod(rng() % (kKeys * 4))));
  std::int64_t seeks = 0;
  std::int64_t found = 0;
  for (auto _ : state) {
    for (const std::string& key : keys) found += tag.seek(key, kestrin::dbf::CdxMatch::Exact) != 0;
    seeks += kSeeks;
  }
  state.SetItemsProcessed(seeks);
  state.counters["found"] = static_cast<double>(found) / static_cast<double>(seeks);
}
BENCHMARK(BM_CdxSeeks)->Unit(benchmark::kMillisecond);

}  // namespace
