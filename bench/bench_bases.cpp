#include "bench_bases.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "dbf/writer/dbf_writer.h"
#include "demo/demo_base.h"
#include "demo/demo_options.h"
#include "demo/demo_random.h"
#include "demo/demo_schema.h"
#include "text/cp1251_utf8.h"

namespace kestrin::bench {
namespace fs = std::filesystem;

namespace {

std::string benchRoot() {
  const char* dir = std::getenv("KESTRIN_BENCH_DIR");
  return dir && *dir ? dir : "/tmp/kestrin-bench";
}

void writeDelo(const std::string& folder, int records) {
  using dbf::FieldValue;
  const auto fields = demo::deloFields();
  demo::DemoRandom random(42);
  const std::vector<std::string> words = {
      text::utf8ToCp1251("Приказы"),   text::utf8ToCp1251("переписка"), text::utf8ToCp1251("отчёт"),
      text::utf8ToCp1251("протоколы"), text::utf8ToCp1251("слово"),     text::utf8ToCp1251("сведения"),
      text::utf8ToCp1251("школы"),     text::utf8ToCp1251("завода"),    text::utf8ToCp1251("архива")};
  dbf::DbfWriter writer(folder + "/DELO.DBF", fields);
  std::vector<FieldValue> values(fields.size());
  for (int i = 1; i <= records; ++i) {
    char key[16];
    std::snprintf(key, sizeof key, "%7d", i);
    values[0] = std::string(key);
    std::snprintf(key, sizeof key, "%7d", 1 + i / 50);
    values[1] = std::string(key);
    std::snprintf(key, sizeof key, "%8d  ", 1 + i % 50);
    values[2] = std::string(key);
    std::string title;
    for (int w = random.between(4, 12); w > 0; --w) title += random.pick(words) + " ";
    values[5] = title;
    std::string memo;
    for (int w = random.between(10, 40); w > 0; --w) memo += random.pick(words) + " ";
    values[6] = memo;
    values[8] = dbf::CivilDate{random.between(1900, 1990), random.between(1, 12), random.between(1, 28)};
    values[11] = 1.0 * random.between(1, 300);
    values[13] = 1.0 * random.between(1, 10);
    writer.addRecord(values, i % 97 == 0);
  }
  writer.finish();
}

}  // namespace

std::string deloBase(int records) {
  const std::string folder = benchRoot() + "/delo-" + std::to_string(records);
  if (!fs::exists(folder + "/DELO.DBF")) {
    fs::create_directories(folder);
    std::fprintf(stderr, "writing %d file records into %s ...\n", records, folder.c_str());
    writeDelo(folder, records);
  }
  return folder;
}

std::string demoBase(long long files) {
  const std::string dir = benchRoot() + "/demo-" + std::to_string(files);
  if (!fs::exists(dir + "/DBF/FOND.DBF")) {
    std::fprintf(stderr, "writing a demo archive of %lld files into %s ...\n", files, dir.c_str());
    demo::writeDemoArchive(dir, demo::demoOptionsForFiles(files));
  }
  return dir + "/DBF";
}

std::string demoBase(const std::string& scale) {
  const std::string folder = benchRoot() + "/demo-" + scale;
  // The mark is written last: a base whose writing was cut short is written again.
  const std::string complete = folder + "/.complete";
  if (!fs::exists(complete)) {
    fs::create_directories(folder);
    std::fprintf(stderr, "writing the %s demo base into %s ...\n", scale.c_str(), folder.c_str());
    demo::writeDemoBase(folder, demo::demoOptionsForScale(scale));
    std::FILE* mark = std::fopen(complete.c_str(), "w");
    if (mark) std::fclose(mark);
  }
  return folder;
}

std::unique_ptr<dbf::TableCursor> openDelo(const std::string& folder) {
  auto cursor = std::make_unique<dbf::TableCursor>();
  cursor->setDatabaseName(folder);
  cursor->setTableName("DELO.DBF");
  cursor->open();
  return cursor;
}

long long plainRead(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return 0;
  std::vector<char> buffer(1 << 20);
  long long total = 0;
  for (ssize_t got; (got = ::read(fd, buffer.data(), buffer.size())) > 0;) total += got;
  ::close(fd);
  return total;
}

const std::string& scaleBase() {
  static const std::string folder = [] {
    const char* scale = std::getenv("KESTRIN_BENCH_SCALE");
    return demoBase(scale && *scale ? scale : "large");
  }();
  return folder;
}

}  // namespace kestrin::bench
