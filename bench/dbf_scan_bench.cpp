// Walking DELO.DBF of 1,000,000 records: the cursor reading every field, the
// memo of every record, and the physical-order scan that filters use, each
// next to a plain sequential read of the same bytes.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_bases.h"
#include "dbf/cursor/table_cursor.h"

namespace kestrin::bench {
namespace {

constexpr int kRecords = 1000000;

std::string deloPath() { return deloBase(kRecords) + "/DELO.DBF"; }

void setBytes(benchmark::State& state, long long bytesPerIteration, long long records) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytesPerIteration);
  state.counters["records/s"] = benchmark::Counter(
      static_cast<double>(records) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_PlainReadDbf(benchmark::State& state) {
  const std::string path = deloPath();
  long long bytes = 0;
  for (auto _ : state) benchmark::DoNotOptimize(bytes = plainRead(path));
  setBytes(state, bytes, kRecords);
}

void BM_PlainReadFpt(benchmark::State& state) {
  const std::string path = deloBase(kRecords) + "/DELO.FPT";
  long long bytes = 0;
  for (auto _ : state) benchmark::DoNotOptimize(bytes = plainRead(path));
  setBytes(state, bytes, kRecords);
}

// The cursor as a dump or a grid walks it: every visible record, every field
// through the value mapping (memo fields excluded: see the memo benchmark).
void BM_CursorWalkEveryField(benchmark::State& state) {
  auto cursor = openDelo(deloBase(kRecords));
  const bool readAhead = state.range(0) != 0;
  std::vector<const dbf::CursorField*> fields;
  for (const auto& field : cursor->fields()) {
    if (field.type() != dbf::FieldType::Memo) fields.push_back(&field);
  }
  long long visited = 0;
  for (auto _ : state) {
    cursor->table().setReadAhead(readAhead);
    visited = 0;
    for (cursor->first(); !cursor->eof(); cursor->next()) {
      for (const auto* field : fields) benchmark::DoNotOptimize(field->asString());
      ++visited;
    }
  }
  setBytes(state, static_cast<long long>(std::filesystem::file_size(deloPath())), visited);
}

// One memo text per record (the L5 annotation).
void BM_CursorWalkOneMemo(benchmark::State& state) {
  auto cursor = openDelo(deloBase(kRecords));
  const auto& memo = cursor->fieldByName("L5");
  long long visited = 0;
  long long memoBytes = 0;
  for (auto _ : state) {
    cursor->table().setReadAhead(true);
    visited = memoBytes = 0;
    for (cursor->first(); !cursor->eof(); cursor->next()) {
      memoBytes += static_cast<long long>(memo.asString().size());
      ++visited;
    }
  }
  setBytes(state, memoBytes, visited);
}

// The engine's physical-order scan with the read-ahead buffer, as a filter
// scan runs it, touching the raw bytes of one character field.
void BM_EngineScanRawField(benchmark::State& state) {
  auto cursor = openDelo(deloBase(kRecords));
  auto& table = cursor->table();
  const int title = table.findField("L4");
  long long visited = 0;
  for (auto _ : state) {
    table.setReadAhead(true);
    visited = 0;
    const dbf::RecordView record = table.currentRecord();
    for (bool found = table.fetch(dbf::Step::First); found; found = table.fetch(dbf::Step::Next)) {
      benchmark::DoNotOptimize(table.fieldRawText(record, title).data());
      ++visited;
    }
  }
  setBytes(state, static_cast<long long>(std::filesystem::file_size(deloPath())), visited);
}

BENCHMARK(BM_PlainReadDbf)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PlainReadFpt)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_EngineScanRawField)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CursorWalkEveryField)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_CursorWalkOneMemo)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace kestrin::bench
