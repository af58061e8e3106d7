// The display columns as a grid computes them: every column of every record
// of a 10,000-record level table, stepping through the cursor.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/columns/level_columns.h"
#include "archive/model/archive_schema.h"
#include "archive/model/archive_tables.h"
#include "bench_bases.h"
#include "dbf/writer/dbf_writer.h"
#include "demo/demo_schema.h"
#include "support/temp_dir.h"
#include "text/cp1251_utf8.h"

namespace kestrin::bench {
namespace {

namespace fs = std::filesystem;
using archive::DisplayColumn;
using dbf::FieldValue;

constexpr int kRecords = 10000;

std::string cp(const char* utf8) { return text::utf8ToCp1251(utf8); }

std::string key(int n, const char* format) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, format, n);
  return buffer;
}

// Removed at exit.
const kestrin::testing::TempDir& folder() {
  static const kestrin::testing::TempDir instance("kestrin-columns-bench");
  return instance;
}

// Files with the mix of notations a real inventory has: dates as free text
// that reads, as text that does not, or only in the date fields; titles with
// quotes, number signs and ranges; every third file annotated in L5.
void writeFiles(const std::string& path) {
  const std::array<std::string, 8> dates = {
      cp("1920"),   cp("5 мая 1920"),      cp("01.01.1920-31.12.1925"), cp("1920-е"),
      cp("[1925]"), cp("0.1920 - 0.1925"), cp("нач. 1930-х"),           ""};
  const std::array<std::string, 4> titles = {cp("Приказы N1 - N12 по основной деятельности за 1920-1925 гг."),
                                             cp("Переписка с \"Губсовнархозом\" о снабжении(1921 г.)"),
                                             cp("Протоколы заседаний правления, ул.Ленина,д.5"),
                                             cp("Личные дела сотрудников (А-Я)")};
  const auto layout = demo::deloFields();
  dbf::DbfWriter writer(path, layout);
  std::vector<FieldValue> values(layout.size());
  for (int i = 1; i <= kRecords; ++i) {
    values[0] = key(i, "%7d");
    values[1] = key(1 + i / 200, "%7d");
    values[2] = cp(key(i % 500, "%8dа ").c_str());
    values[5] = titles[static_cast<std::size_t>(i % 4)];
    values[6] =
        i % 3 == 0 ? FieldValue{titles[static_cast<std::size_t>((i + 1) % 4)] + cp(" Аннотация.")} : FieldValue{};
    values[8] = dbf::CivilDate{1900 + i % 90, 1 + i % 12, 1 + i % 28};
    values[9] = dbf::CivilDate{1910 + i % 90, 1 + i % 12, 1 + i % 28};
    values[10] = dates[static_cast<std::size_t>(i % 8)];
    values[11] = 1.0 * (i % 300);
    values[13] = 1.0 * (i % 12);
    writer.addRecord(values);
  }
  writer.finish();
}

// Fonds with storage places for every other fond number.
void writeFonds(const std::string& path, const std::string& listPath) {
  const auto layout = demo::fondFields();
  dbf::DbfWriter writer(path, layout);
  std::vector<FieldValue> values(layout.size());
  std::string list;
  for (int i = 1; i <= kRecords; ++i) {
    values[0] = key(i, "%7d");
    values[1] = (i % 5 == 0 ? cp((key(i, "Р-%5dа")).c_str()) : key(i, "%7d "));
    values[2] = cp("Управление \"Заря\" Ярославской губернии,г.Ярославль");
    values[3] = cp("Управление \"Заря\" (1920-1925 гг.)");
    values[6] = 1.0 * (i % 11);
    values[9] = 1900.0 + i % 90;
    values[11] = i % 4 == 0 ? 0.0 : 1950.0 + i % 40;
    values[18] = 1.0 * i;
    values[23] = 1000.0 * (i % 7);
    writer.addRecord(values);
    if (i % 2 == 0) list += std::get<std::string>(values[1]) + "\t" + cp("к. ") + std::to_string(i % 300) + "\r\n";
  }
  writer.finish();
  FILE* out = std::fopen(listPath.c_str(), "wb");
  std::fwrite(list.data(), 1, list.size(), out);
  std::fclose(out);
}

void openLevel(dbf::TableCursor& cursor, archive::ArchiveCursor which, const std::string& base) {
  archive::setUpArchiveCursor(cursor, which);
  cursor.setDatabaseName(base);
  archive::openArchiveCursor(cursor, which);
}

std::string filesBase() {
  static const std::string base = [] {
    const std::string dir = folder().file("files");
    fs::create_directories(dir);
    writeFiles(dir + "/DELO.DBF");
    return dir;
  }();
  return base;
}

std::string fondsBase() {
  static const std::string base = [] {
    const std::string dir = folder().file("fonds");
    fs::create_directories(dir);
    writeFonds(dir + "/FOND.DBF", dir + "/Hran.txt");
    return dir;
  }();
  return base;
}

// Stepping alone, for comparison with the columns on top of it.
void BM_StepFileRecords(benchmark::State& state) {
  dbf::TableCursor cursor;
  openLevel(cursor, archive::ArchiveCursor::Delo, filesBase());
  for (auto _ : state) {
    int n = 0;
    for (cursor.first(); !cursor.eof(); cursor.next()) ++n;
    benchmark::DoNotOptimize(n);
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_StepFileRecords)->Unit(benchmark::kMillisecond);

void BM_AllColumnsOfFileRecords(benchmark::State& state) {
  dbf::TableCursor cursor;
  openLevel(cursor, archive::ArchiveCursor::Delo, filesBase());
  const archive::LevelColumns columns(cursor, archive::Level::Files);
  for (auto _ : state) {
    std::size_t shown = 0;
    for (cursor.first(); !cursor.eof(); cursor.next()) {
      for (DisplayColumn column : archive::displayColumnsOf(archive::Level::Files))
        shown += columns.text(column).size();
    }
    benchmark::DoNotOptimize(shown);
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_AllColumnsOfFileRecords)->Unit(benchmark::kMillisecond);

// Fonds: the storage column looks every fond number up in a 5,000-line list.
void BM_AllColumnsOfFondRecords(benchmark::State& state) {
  dbf::TableCursor cursor;
  openLevel(cursor, archive::ArchiveCursor::Fond, fondsBase());
  for (auto _ : state) {
    state.PauseTiming();
    archive::StoragePlaces places(archive::loadStorageList(fondsBase()));
    const archive::LevelColumns columns(cursor, archive::Level::Fonds, &places);
    state.ResumeTiming();
    std::size_t shown = 0;
    for (cursor.first(); !cursor.eof(); cursor.next()) {
      for (DisplayColumn column : archive::displayColumnsOf(archive::Level::Fonds))
        shown += columns.text(column).size();
    }
    benchmark::DoNotOptimize(shown);
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_AllColumnsOfFondRecords)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrin::bench
