// A file grid that knows all its rows: the row map built for a level cursor,
// its row count and the record of the last row read (what Ctrl+End shows), in
// record order, in the order of the DELO tag and through a filter. The grid
// model adds nothing to this but Qt's bookkeeping. "first" builds the map on
// a cursor just opened (record order and tag order then read the deletion
// marks, tag order the tag's leaves); "again" rebuilds it after the view
// changed on the same open table, as a drill-down or a sort does.
//
// The archive has about $KESTRIN_BENCH_ROWS_FILES files (default 1,000,000;
// the goal is 100 ms there); a small one (3000) runs in seconds.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "archive/model/archive_schema.h"
#include "archive/model/archive_tables.h"
#include "bench_bases.h"
#include "browse/cursor_row_map.h"
#include "browse/row_reader.h"

namespace kestrin::bench {
namespace {

long long archiveFiles() {
  const char* files = std::getenv("KESTRIN_BENCH_ROWS_FILES");
  return files && *files ? std::atoll(files) : 1000000;
}

enum class View { records, tag, filtered };

void openFiles(dbf::TableCursor& files, View view) {
  archive::setUpArchiveCursor(files, archive::ArchiveCursor::Delo);
  files.setDatabaseName(demoBase(archiveFiles()));
  archive::openArchiveCursor(files, archive::ArchiveCursor::Delo);
  if (view == View::tag) {
    files.setIndexFiles({"delo.cdx"});
    files.setIndexName("DELO");
  }
  // About a fifth of the files; the scan is the filter's cost, not the grid's.
  if (view == View::filtered) {
    files.setFilter("L13 = 2");
    files.setFiltered(true);
  }
}

// Builds the map, counts the rows and reads the last one as the grid would.
void showLastRow(browse::CursorRowMap& rows, browse::RowReader& reader, benchmark::State& state) {
  if (!rows.map() || rows.count() == 0) {
    state.SkipWithError("the view has no rows");
    return;
  }
  reader.moveTo(rows.recNo(rows.count() - 1));
  benchmark::DoNotOptimize(reader.cursor().fieldByName("L4").asString());
}

void BM_LastRowFirstMap(benchmark::State& state) {
  const auto view = static_cast<View>(state.range(0));
  int count = 0;
  for (auto _ : state) {
    state.PauseTiming();
    dbf::TableCursor files;
    openFiles(files, view);
    browse::RowReader reader(files, archive::ArchiveCursor::Delo);
    reader.follow();
    state.ResumeTiming();
    browse::CursorRowMap rows(files);
    showLastRow(rows, reader, state);
    count = rows.count();
  }
  state.counters["rows"] = count;
}

void BM_LastRowAgain(benchmark::State& state) {
  const auto view = static_cast<View>(state.range(0));
  dbf::TableCursor files;
  openFiles(files, view);
  browse::RowReader reader(files, archive::ArchiveCursor::Delo);
  reader.follow();
  browse::CursorRowMap rows(files);
  rows.map();
  for (auto _ : state) {
    state.PauseTiming();
    files.first();  // a new view on the same open table
    reader.forget();
    state.ResumeTiming();
    showLastRow(rows, reader, state);
  }
  state.counters["rows"] = rows.count();
}

void views(benchmark::internal::Benchmark* b) {
  b->ArgNames({"view"});
  for (const View view : {View::records, View::tag, View::filtered}) b->Arg(static_cast<int>(view));
}

BENCHMARK(BM_LastRowFirstMap)->Apply(views)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LastRowAgain)->Apply(views)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace kestrin::bench
