// Drill-downs to first paint on the demo base, with the filter scan narrowed
// through the attached index tag and with the scan of every record:
//   files of an inventory: DELO.DBF in the order of tag DELO (OPIS+L1),
//     Filter OPIS="<key>", the largest inventory of the base;
//   documents of a file: DOCUM.DBF with docum.cdx attached, no tag selected,
//     Filter DELO="<key>", the file with the most documents.
// First paint: the filter set, the exact count, the first 30 rows and Last.
// The base is the demo base of $KESTRIN_BENCH_SCALE (default "large":
// 1,000,000 files, about 3,000,000 documents), written on first use.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "bench_bases.h"
#include "dbf/cursor/table_cursor.h"

namespace kestrin::bench {
namespace {

std::unique_ptr<dbf::TableCursor> openTable(const std::string& table, const std::string& index) {
  auto cursor = std::make_unique<dbf::TableCursor>();
  cursor->setDatabaseName(scaleBase());
  cursor->setTableName(table);
  cursor->setIndexFiles({index});
  cursor->open();
  return cursor;
}

// The parent key that most records of `table` name in `field` (one scan,
// outside the timings).
std::string busiestKey(const std::string& table, const std::string& field) {
  dbf::TableCursor cursor;
  cursor.setDatabaseName(scaleBase());
  cursor.setTableName(table);
  cursor.open();
  std::map<std::string, int> counts;
  const dbf::CursorField& parent = cursor.fieldByName(field);
  for (cursor.first(); !cursor.eof(); cursor.next()) ++counts[parent.asString()];
  std::string best;
  int most = -1;
  for (const auto& [key, count] : counts) {
    if (count > most) {
      best = key;
      most = count;
    }
  }
  // The field's text as the drill-down writes it: right-aligned in 7.
  return std::string(best.size() < 7 ? 7 - best.size() : 0, ' ') + best;
}

// One drill-down per iteration: a new filter text each time (the cleared
// filter discards the compiled one), then what the grid needs to paint.
void drillDown(benchmark::State& state, dbf::TableCursor& cursor, const std::string& filter) {
  cursor.table().setKeyRangeScans(state.range(0) != 0);
  cursor.setExactCount(true);
  cursor.setFiltered(true);
  int count = 0;
  for (auto _ : state) {
    cursor.setFilter("");
    cursor.setFilter(filter);
    count = cursor.recordCount();
    for (int row = 0; row < 30 && !cursor.eof(); ++row) cursor.next();
    cursor.last();
    benchmark::DoNotOptimize(cursor.recNo());
  }
  state.counters["records"] = count;
  state.counters["narrowed"] = cursor.table().lastScanNarrowed() ? 1 : 0;
  state.SetLabel(state.range(0) != 0 ? "narrowed by the tag" : "scan of every record");
}

void BM_FilesOfAnInventoryToFirstPaint(benchmark::State& state) {
  static const std::string key = busiestKey("DELO.DBF", "OPIS");
  auto cursor = openTable("DELO.DBF", "delo.cdx");
  cursor->setIndexName("DELO");
  drillDown(state, *cursor, "OPIS=\"" + key + "\"");
}

void BM_DocumentsOfAFileToFirstPaint(benchmark::State& state) {
  static const std::string key = busiestKey("DOCUM.DBF", "DELO");
  auto cursor = openTable("DOCUM.DBF", "docum.cdx");
  drillDown(state, *cursor, "DELO=\"" + key + "\"");
}

BENCHMARK(BM_FilesOfAnInventoryToFirstPaint)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DocumentsOfAFileToFirstPaint)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrin::bench
