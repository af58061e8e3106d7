// Saving the file list of the whole demo base ("Сохранить как..." on the
// file page with no filter): 1,000,000 lines on the large base, in both file
// forms, to a file in a temporary folder. The base is the demo base of
// $KESTRIN_BENCH_SCALE (default "large"), written on first use.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "archive/model/archive_schema.h"
#include "archive/model/archive_tables.h"
#include "bench_bases.h"
#include "browse/export/list_file.h"
#include "support/temp_dir.h"

namespace kestrin::bench {
namespace {

void BM_SaveFileList(benchmark::State& state) {
  const auto format = state.range(0) != 0 ? browse::ListFormat::csv : browse::ListFormat::text;
  dbf::TableCursor cursor;
  archive::setUpArchiveCursor(cursor, archive::ArchiveCursor::Delo);
  cursor.setDatabaseName(scaleBase());
  archive::openArchiveCursor(cursor, archive::ArchiveCursor::Delo);
  cursor.setExactCount(true);
  const testing::TempDir dir("kestrin-export-bench");
  const std::filesystem::path target = dir.file("Дела.txt");
  std::int64_t lines = 0;
  for (auto _ : state) {
    browse::saveList({archive::Level::Files, cursor, nullptr}, format, target,
                     [&lines](std::int64_t done, std::int64_t) {
                       lines = done;
                       return true;
                     });
  }
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(target));
  state.SetLabel(format == browse::ListFormat::csv ? "CSV (UTF-8)" : "text (Windows-1251)");
}

BENCHMARK(BM_SaveFileList)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace kestrin::bench
