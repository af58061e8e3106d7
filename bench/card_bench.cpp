// The record card on a demo base: a click whose parents are remembered, a
// document whose file, inventory and fond are all new, the fond card with its
// renaming and topography look-ups, and the one-time key map of a parent
// table. Run on the large base with --benchmark_filter=Card.*/1000000.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <thread>

#include "archive/model/archive_schema.h"
#include "archive/model/archive_tables.h"
#include "archive/model/storage_places.h"
#include "bench_bases.h"
#include "browse/card/card_builder.h"
#include "browse/card/parent_table.h"

namespace kestrin::bench {
namespace {

using archive::ArchiveCursor;
using archive::Level;

// The tables of a demo base, opened as the program opens them, with a builder.
struct CardBase {
  explicit CardBase(long long files) {
    const std::string folder = demoBase(files);
    const std::pair<dbf::TableCursor*, ArchiveCursor> tables[] = {
        {&fond, ArchiveCursor::Fond},          {&opis, ArchiveCursor::Opis},
        {&delo, ArchiveCursor::Delo},          {&doc, ArchiveCursor::Doc},
        {&rename, ArchiveCursor::Rename},      {&top, ArchiveCursor::Top},
        {&deloPhoto, ArchiveCursor::DeloPhoto}};
    for (const auto& [cursor, which] : tables) {
      archive::setUpArchiveCursor(*cursor, which);
      cursor->setDatabaseName(folder);
      archive::openArchiveCursor(*cursor, which);
    }
    places = archive::StoragePlaces(archive::loadStorageList(folder));
    builder = std::make_unique<browse::CardBuilder>(
        browse::CardTables{&fond, &opis, &delo, &doc, &rename, &top, &deloPhoto, &places}, dbf::RegionalSettings{});
  }

  dbf::TableCursor fond, opis, delo, doc, rename, top, deloPhoto;
  archive::StoragePlaces places;
  std::unique_ptr<browse::CardBuilder> builder;
};

CardBase& cardBase(long long files) {
  static std::map<long long, std::unique_ptr<CardBase>> bases;
  auto& base = bases[files];
  if (!base) base = std::make_unique<CardBase>(files);
  return *base;
}

const browse::CardQuery kQuery{"", browse::HighlightMode::Number};

// Consecutive documents: their file, inventory and fond are remembered.
void BM_CardWarmParents(benchmark::State& state) {
  CardBase& base = cardBase(state.range(0));
  base.doc.first();
  base.builder->build(Level::Documents, kQuery);
  for (auto _ : state) {
    base.doc.next();
    if (base.doc.eof()) base.doc.first();
    benchmark::DoNotOptimize(base.builder->build(Level::Documents, kQuery));
  }
}
BENCHMARK(BM_CardWarmParents)->Arg(3000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Documents far apart: every card looks up a new file, inventory and fond
// (the key maps themselves are made before timing, once per open table).
void BM_CardColdParents(benchmark::State& state) {
  CardBase& base = cardBase(state.range(0));
  const int count = base.doc.recordCount();
  base.doc.gotoRecNo(1);
  base.builder->build(Level::Documents, kQuery);
  int recno = 1;
  for (auto _ : state) {
    recno = 1 + (recno + count / 7 + 1) % count;
    base.doc.gotoRecNo(recno);
    benchmark::DoNotOptimize(base.builder->build(Level::Documents, kQuery));
  }
}
BENCHMARK(BM_CardColdParents)->Arg(3000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Fond cards in turn: each filters the renamings and topography tables.
void BM_CardFond(benchmark::State& state) {
  CardBase& base = cardBase(state.range(0));
  base.fond.first();
  for (auto _ : state) {
    base.fond.next();
    if (base.fond.eof()) base.fond.first();
    benchmark::DoNotOptimize(base.builder->build(Level::Fonds, kQuery));
  }
}
BENCHMARK(BM_CardFond)->Arg(3000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The key map of the file table, made on the first look-up after an opening.
void BM_CardFileKeyMap(benchmark::State& state) {
  CardBase& base = cardBase(state.range(0));
  for (auto _ : state) {
    browse::ParentTable files(base.delo);
    benchmark::DoNotOptimize(files.find("KOD", "      1"));
  }
}
BENCHMARK(BM_CardFileKeyMap)->Arg(3000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The first document card after the base opens: the program starts the key
// maps in the background at the opening, and a person clicks a moment later
// (half a second here, not timed).
void BM_CardFirstAfterOpening(benchmark::State& state) {
  CardBase& base = cardBase(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    base.builder->forgetParents();
    base.builder->prepareParents();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    base.doc.gotoRecNo(1 + base.doc.recordCount() / 2);
    state.ResumeTiming();
    benchmark::DoNotOptimize(base.builder->build(Level::Documents, kQuery));
  }
}
BENCHMARK(BM_CardFirstAfterOpening)->Arg(3000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace kestrin::bench
