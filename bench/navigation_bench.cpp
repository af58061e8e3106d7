// Navigation on the demo archive, to the first rows a grid shows: the files
// of the largest inventory, the documents of the file with the most
// documents, and "Показать все" on the documents. The archive has about
// $KESTRIN_BENCH_NAV_FILES files (default 1,000,000, about 3,000,000
// documents); a small one (3000) runs in seconds.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <string>

#include "archive/model/archive_schema.h"
#include "archive/model/archive_tables.h"
#include "bench_bases.h"
#include "browse/navigation/drill_down.h"
#include "browse/navigation/show_all.h"

namespace kestrin::bench {
namespace {

constexpr int kFirstRows = 40;  // about what a grid shows

long long archiveFiles() {
  const char* files = std::getenv("KESTRIN_BENCH_NAV_FILES");
  return files && *files ? std::atoll(files) : 1000000;
}

// The four level cursors as the program opens them.
struct Levels {
  dbf::TableCursor fond, opis, delo, doc;
  browse::LevelCursors cursors{fond, opis, delo, doc};

  explicit Levels(const std::string& folder) {
    using archive::ArchiveCursor;
    const std::pair<dbf::TableCursor*, ArchiveCursor> all[] = {{&fond, ArchiveCursor::Fond},
                                                               {&opis, ArchiveCursor::Opis},
                                                               {&delo, ArchiveCursor::Delo},
                                                               {&doc, ArchiveCursor::Doc}};
    for (const auto& [cursor, which] : all) {
      archive::setUpArchiveCursor(*cursor, which);
      cursor->setDatabaseName(folder);
      archive::openArchiveCursor(*cursor, which);
    }
    browse::setListFilter(fond, "A100=1");
    browse::setListFilter(opis, "G15=1");
  }
};

// The record of `parents` whose key the most records of `children` name by
// `referenceField`.
int busiestParent(dbf::TableCursor& parents, dbf::TableCursor& children, const char* referenceField) {
  std::map<std::string, int> counts;
  const dbf::CursorField& reference = children.fieldByName(referenceField);
  for (children.first(); !children.eof(); children.next()) ++counts[reference.asString()];
  std::string busiest;
  int most = -1;
  for (const auto& [key, count] : counts) {
    if (count > most) {
      most = count;
      busiest = key;
    }
  }
  parents.setFiltered(false);
  const dbf::CursorField& kod = parents.fieldByName("KOD");
  for (parents.first(); !parents.eof(); parents.next()) {
    if (kod.asString() == busiest) return parents.recNo();
  }
  return 1;
}

// Steps through the first rows as the grid fetches them.
int readFirstRows(dbf::TableCursor& list, const char* titleField) {
  const dbf::CursorField& title = list.fieldByName(titleField);
  int rows = 0;
  std::size_t bytes = 0;
  for (list.first(); !list.eof() && rows < kFirstRows; list.next(), ++rows) bytes += title.asString().size();
  benchmark::DoNotOptimize(bytes);
  return rows;
}

void BM_FilesOfTheLargestInventory(benchmark::State& state) {
  Levels levels(demoBase(archiveFiles()));
  const int inventory = busiestParent(levels.opis, levels.delo, "OPIS");
  int rows = 0;
  for (auto _ : state) {
    state.PauseTiming();
    browse::setChildListFilter(levels.delo, "", false);  // the next filter scans again
    levels.opis.gotoRecNo(inventory);
    state.ResumeTiming();
    browse::showFilesOfInventory(levels.cursors);
    rows = readFirstRows(levels.delo, "L4");
  }
  state.counters["files"] = levels.delo.recordCount();
  state.counters["rows"] = rows;
}

void BM_DocumentsOfTheLargestFile(benchmark::State& state) {
  Levels levels(demoBase(archiveFiles()));
  const int file = busiestParent(levels.delo, levels.doc, "DELO");
  int rows = 0;
  for (auto _ : state) {
    state.PauseTiming();
    browse::setChildListFilter(levels.doc, "", false);
    levels.delo.gotoRecNo(file);
    state.ResumeTiming();
    browse::showDocumentsOfFile(levels.cursors);
    rows = readFirstRows(levels.doc, "T2");
  }
  state.counters["documents"] = levels.doc.recordCount();
  state.counters["rows"] = rows;
}

void BM_ShowAllDocuments(benchmark::State& state) {
  Levels levels(demoBase(archiveFiles()));
  levels.delo.first();
  int rows = 0;
  for (auto _ : state) {
    state.PauseTiming();
    browse::showDocumentsOfFile(levels.cursors);
    state.ResumeTiming();
    browse::showAll(levels.cursors, true);
    rows = readFirstRows(levels.doc, "T2");
  }
  state.counters["rows"] = rows;
}

BENCHMARK(BM_FilesOfTheLargestInventory)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_DocumentsOfTheLargestFile)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ShowAllDocuments)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace kestrin::bench
