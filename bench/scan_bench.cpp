// The quick search's filter scans on a demo base, each with the count of the
// records found that follows it, timed in turns with a plain read of the same
// bytes (the table and its memo file) in the same run, and printed as a ratio:
//   files level:      (L4="*колхоз*") OR (L5="*колхоз*") on DELO.DBF + DELO.FPT
//   documents level:  (T2="*колхоз*") OR (T3="*колхоз*") on DOCUM.DBF + DOCUM.FPT
// both case-insensitive, with one worker per core (/0) and with one worker,
// as on a machine of one core (/1).
//
// The base: KESTRIN_SCAN_BASE names a base folder (or the folder holding its
// DBF folder), e.g. one written by `kestrin-cli make-demo /tmp/large-demo
// --scale large`; otherwise the demo base of KESTRIN_BENCH_SCALE (default
// large) in $KESTRIN_BENCH_DIR, written on first use.
//
// Warm: BM_*Warm, the files in the page cache (the first turn warms them).
// Cold: BM_*Cold evicts both files from the page cache before every timed
// read (posix_fadvise DONTNEED, which needs no privileges and drops the clean
// pages of those files only). For a cold machine in the strict sense run, as
// root, `sync; echo 3 > /proc/sys/vm/drop_caches` before each of
//   cat DELO.DBF DELO.FPT > /dev/null              (time it)
//   kestrin-cli count DELO.DBF --filter '(L4="*колхоз*") OR (L5="*колхоз*")' --case-insensitive
// and compare the two times.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "bench_bases.h"
#include "dbf/cursor/table_cursor.h"
#include "text/cp1251_utf8.h"

namespace kestrin::bench {
namespace {

namespace fs = std::filesystem;

const std::string& baseFolder() {
  static const std::string folder = [] {
    const char* given = std::getenv("KESTRIN_SCAN_BASE");
    if (given && *given) {
      const fs::path dbf = fs::path(given) / "DBF";
      return fs::exists(dbf) ? dbf.string() : std::string(given);
    }
    const char* scale = std::getenv("KESTRIN_BENCH_SCALE");
    return demoBase(scale && *scale ? scale : "large");
  }();
  return folder;
}

struct Level {
  const char* table;
  const char* memo;
  const char* title;
  const char* note;
};
constexpr Level kFiles{"DELO.DBF", "DELO.FPT", "L4", "L5"};
constexpr Level kDocuments{"DOCUM.DBF", "DOCUM.FPT", "T2", "T3"};

std::string quickSearch(const Level& level) {
  const std::string word = "\"*" + text::utf8ToCp1251("колхоз") + "*\"";
  return std::string("(") + level.title + "=" + word + ") OR (" + level.note + "=" + word + ")";
}

void evict(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return;
  ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
  ::close(fd);
}

// The processor time of every thread of the process so far.
double processorMilliseconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  const auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + t.tv_usec / 1e3; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Timing {
  double wall = 1e12;
  double processor = 1e12;
};

// Keeps the best wall time and the best processor time of `work`.
void time(Timing& best, auto&& work) {
  using Clock = std::chrono::steady_clock;
  const double processorStart = processorMilliseconds();
  const auto start = Clock::now();
  work();
  best.wall = std::min(best.wall, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  best.processor = std::min(best.processor, processorMilliseconds() - processorStart);
}

// The best of each over the iterations: on a shared machine both vary from
// run to run. (Workers and the read-ahead thread do not show in the CPU
// column: read the Time column and these counters.) The processor time of
// all threads (*_cpu_ms) is steadier than the wall time where other work
// shares the machine; a scan on n cores is within the goal when its wall
// time is, and its processor time is at most n times the plain read's.
void scanAgainstPlainRead(benchmark::State& state, const Level& level, bool cold) {
  const std::string folder = baseFolder();
  const std::string table = folder + "/" + level.table;
  const std::string memo = folder + "/" + level.memo;
  dbf::TableCursor cursor;
  cursor.setDatabaseName(folder);
  cursor.setTableName(level.table);
  cursor.open();
  cursor.table().setScanThreads(static_cast<int>(state.range(0)));
  cursor.setFilterOptions({true, false});
  cursor.setFiltered(true);
  cursor.setExactCount(true);
  const std::string filter = quickSearch(level);
  int matches = 0;
  Timing plain;
  Timing scan;
  for (auto _ : state) {
    if (cold) {
      evict(table);
      evict(memo);
    }
    time(plain, [&] {
      benchmark::DoNotOptimize(plainRead(table));
      benchmark::DoNotOptimize(plainRead(memo));
    });
    if (cold) {
      evict(table);
      evict(memo);
    }
    time(scan, [&] {
      cursor.setFilter("");  // discards the compiled filter, so the next text scans again
      cursor.setFilter(filter);
      matches = cursor.recordCount();  // as a search counts what it found
    });
  }
  state.counters["matches"] = matches;
  state.counters["plain_ms"] = plain.wall;
  state.counters["scan_ms"] = scan.wall;
  state.counters["ratio"] = scan.wall / plain.wall;
  state.counters["plain_cpu_ms"] = plain.processor;
  state.counters["scan_cpu_ms"] = scan.processor;
  state.SetLabel(std::string(level.table) + (state.range(0) == 1 ? ", one worker" : ", a worker per core"));
}

void BM_FilesQuickSearchWarm(benchmark::State& state) { scanAgainstPlainRead(state, kFiles, false); }
void BM_DocumentsQuickSearchWarm(benchmark::State& state) { scanAgainstPlainRead(state, kDocuments, false); }
void BM_FilesQuickSearchCold(benchmark::State& state) { scanAgainstPlainRead(state, kFiles, true); }
void BM_DocumentsQuickSearchCold(benchmark::State& state) { scanAgainstPlainRead(state, kDocuments, true); }

BENCHMARK(BM_FilesQuickSearchWarm)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(8);
BENCHMARK(BM_DocumentsQuickSearchWarm)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FilesQuickSearchCold)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DocumentsQuickSearchCold)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace kestrin::bench
