// The quick search as the search box runs it, per level, normal mode,
// case-insensitive, one word and three words in all-words mode:
//   files      DELO.DBF, L4 and the L5 memo;
//   documents  DOCUM.DBF, T2 and the T3 memo;
//   fonds      FOND.DBF, FNAME, A1, A109, A110 and the former names of FOND3.DBF.
// Each run is timed in turns with a plain read of the level's DBF and FPT
// bytes, and the best of each is compared (counters scan_ms, plain_ms, ratio).
// The base is the demo base of $KESTRIN_BENCH_SCALE (default "large").
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "archive/model/archive_schema.h"
#include "archive/model/archive_tables.h"
#include "bench_bases.h"
#include "search/quick/level_search.h"
#include "text/cp1251_utf8.h"

namespace kestrin::bench {
namespace {

using archive::ArchiveCursor;
using archive::Level;

void openCursor(dbf::TableCursor& cursor, ArchiveCursor which) {
  archive::setUpArchiveCursor(cursor, which);
  cursor.setDatabaseName(scaleBase());
  archive::openArchiveCursor(cursor, which);
}

struct Tables {
  dbf::TableCursor fond, opis, delo, doc, rename;
  Tables() {
    openCursor(fond, ArchiveCursor::Fond);
    openCursor(opis, ArchiveCursor::Opis);
    openCursor(delo, ArchiveCursor::Delo);
    openCursor(doc, ArchiveCursor::Doc);
    openCursor(rename, ArchiveCursor::Rename);
  }
  // The compiled filters go, so the next search scans again.
  void forgetFilters() {
    for (dbf::TableCursor* cursor : {&fond, &delo, &doc, &rename}) cursor->setFilter("");
  }
};

std::string tableStem(Level level) {
  switch (level) {
    case Level::Fonds:
      return "FOND";
    case Level::Files:
      return "DELO";
    default:
      return "DOCUM";
  }
}

long long readLevelBytes(Level level) {
  const std::string stem = scaleBase() + "/" + tableStem(level);
  long long bytes = plainRead(stem + ".DBF") + plainRead(stem + ".FPT");
  if (level == Level::Fonds) bytes += plainRead(scaleBase() + "/FOND3.DBF") + plainRead(scaleBase() + "/FOND3.FPT");
  return bytes;
}

void BM_QuickSearch(benchmark::State& state, Level level, search::SearchMode mode, const char* query) {
  Tables tables;
  search::SearchCursors cursors{tables.fond, tables.opis, tables.delo, tables.doc, &tables.rename};
  const search::LevelSearch request{level, mode, false, false, true, text::utf8ToCp1251(query)};
  using Clock = std::chrono::steady_clock;
  const auto millisecondsOf = [](auto&& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  };
  double bestPlain = 1e9;
  double bestScan = 1e9;
  int matches = 0;
  for (auto _ : state) {
    bestPlain = std::min(bestPlain, millisecondsOf([&] { benchmark::DoNotOptimize(readLevelBytes(level)); }));
    tables.forgetFilters();
    bestScan = std::min(bestScan, millisecondsOf([&] {
                          matches = search::runLevelSearch(cursors, request, [](std::string_view) {}).count;
                        }));
  }
  state.counters["matches"] = matches;
  state.counters["plain_ms"] = bestPlain;
  state.counters["scan_ms"] = bestScan;
  state.counters["ratio"] = bestScan / bestPlain;
}

constexpr auto kAll = search::SearchMode::AllWords;
constexpr auto kPhrase = search::SearchMode::Phrase;

BENCHMARK_CAPTURE(BM_QuickSearch, files_one_word, Level::Files, kPhrase, "приказ")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(BM_QuickSearch, files_three_words, Level::Files, kAll, "приказы основной деятельности")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(BM_QuickSearch, documents_one_word, Level::Documents, kPhrase, "приказ")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_QuickSearch, documents_three_words, Level::Documents, kAll, "приказ о назначении")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_QuickSearch, fonds_one_word, Level::Fonds, kPhrase, "архив")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(BM_QuickSearch, fonds_three_words, Level::Fonds, kAll, "районный архив отдел")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

}  // namespace
}  // namespace kestrin::bench
