// The advanced search on the demo base:
//   files by a keyword: the word of the file keyword tables whose matches
//     come nearest to 5,000 files, so the file filter holds about 5,000
//     (KOD="...") alternatives; once with every box of the dialog checked
//     (titles, annotations, rubricator, keywords) and once with the keyword
//     tables alone;
//   documents of a span of years alone: the record filter on T8, counted.
// Each iteration is one search from "Найти!" to the exact count.
// The base is the demo base of $KESTRIN_BENCH_SCALE (default "large"),
// written on first use.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <string>

#include "archive/model/archive_schema.h"
#include "archive/model/archive_tables.h"
#include "bench_bases.h"
#include "browse/navigation/date_range_filter.h"
#include "search/advanced/advanced_search.h"
#include "search/advanced/field_condition.h"

namespace kestrin::bench {
namespace {

using archive::ArchiveCursor;
using archive::Level;

struct Cursors {
  dbf::TableCursor fond, opis, delo, doc, rename, temp, rubr;

  Cursors() {
    const std::pair<dbf::TableCursor*, ArchiveCursor> levels[] = {{&fond, ArchiveCursor::Fond},
                                                                  {&opis, ArchiveCursor::Opis},
                                                                  {&delo, ArchiveCursor::Delo},
                                                                  {&doc, ArchiveCursor::Doc},
                                                                  {&rename, ArchiveCursor::Rename}};
    for (const auto& [cursor, which] : levels) {
      archive::setUpArchiveCursor(*cursor, which);
      cursor->setDatabaseName(scaleBase());
      archive::openArchiveCursor(*cursor, which);
    }
    for (const auto& [cursor, which] : {std::pair{&temp, ArchiveCursor::Temp}, std::pair{&rubr, ArchiveCursor::Rubr}}) {
      archive::setUpArchiveCursor(*cursor, which);
      cursor->setDatabaseName(scaleBase());
    }
  }

  search::AdvancedSearchTables tables() { return {fond, opis, delo, doc, rename, temp, rubr}; }
};

// The first word of a keyword of the file tables whose records come nearest
// to 5,000 (one walk of the three tables, outside the timings).
std::string wordOfAboutFiveThousandFiles(dbf::TableCursor& temp) {
  std::map<std::string, int> counts;
  for (const char* name : {"persona2.dbf", "geograf2.dbf", "tematik2.dbf"}) {
    temp.close();
    temp.setTableName(name);
    temp.open();
    const dbf::CursorField& word = temp.fieldByName("WORD");
    for (temp.first(); !temp.eof(); temp.next()) {
      const auto words = search::conditionWords(word.asString());
      if (!words.empty() && words.front().size() > 3) ++counts[words.front()];
    }
  }
  std::string best;
  int distance = -1;
  for (const auto& [word, count] : counts) {
    const int d = std::abs(count - 5000);
    if (distance < 0 || d < distance) {
      best = word;
      distance = d;
    }
  }
  return best;
}

void resetFiles(dbf::TableCursor& delo) {
  delo.setFiltered(false);
  delo.setFilter("");
  browse::removeDateRange(delo);
}

void BM_FilesByKeyword(benchmark::State& state) {
  Cursors cursors;
  search::AdvancedForm form;
  form.useText = true;
  form.text = wordOfAboutFiveThousandFiles(cursors.temp);
  const bool everyBox = state.range(0) != 0;
  form.name = form.pred = form.rubric = everyBox;
  cursors.delo.setExactCount(true);
  int count = 0;
  std::size_t filterLength = 0;
  for (auto _ : state) {
    resetFiles(cursors.delo);
    const auto result = search::runAdvancedSearch(cursors.tables(), Level::Files, form);
    count = cursors.delo.recordCount();
    filterLength = result.filter.size();
  }
  state.counters["records"] = count;
  state.counters["alternatives"] = static_cast<double>(filterLength) / 17.0;  // (KOD="nnnnnnn") OR
  state.SetLabel(everyBox ? "every box checked" : "keyword tables alone");
}
BENCHMARK(BM_FilesByKeyword)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_DocumentsOfYears(benchmark::State& state) {
  Cursors cursors;
  search::AdvancedForm form;
  form.useYears = true;
  form.yearFrom = "1990";
  form.yearTo = "2000";
  cursors.doc.setExactCount(true);
  int count = 0;
  for (auto _ : state) {
    resetFiles(cursors.doc);
    search::runAdvancedSearch(cursors.tables(), Level::Documents, form);
    count = cursors.doc.recordCount();
  }
  state.counters["records"] = count;
}
BENCHMARK(BM_DocumentsOfYears)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace kestrin::bench
