// kestrin-cli export BASE LEVEL [--all] [--filter EXPR] [--format tsv|csv]
// [--output FILE]: the list of a level as "Сохранить как..." writes it.
#include <string>
#include <vector>

#include "browse/export/list_file.h"
#include "cli/command.h"
#include "cli/startup_tables.h"
#include "text/cp1251_utf8.h"

namespace kestrin::cli {
namespace {

constexpr const char* kUsage =
    "usage: kestrin-cli export BASE LEVEL [--all] [--filter EXPR] [--format tsv|csv] [--output FILE] "
    "(LEVEL: fond, opis, delo, doc or 0..3)";

struct ExportOptions {
  std::string base;
  archive::Level level = archive::Level::Fonds;
  bool all = false;
  std::optional<std::string> filter;  // Windows-1251
  browse::ListFormat format = browse::ListFormat::text;
  std::string output;  // empty: stdout
};

browse::ListFormat formatByName(const std::string& name) {
  if (name == "tsv") return browse::ListFormat::text;
  if (name == "csv") return browse::ListFormat::csv;
  throw UsageError("Unknown format " + name + "; " + kUsage);
}

ExportOptions parseOptions(const Args& args) {
  ExportOptions options;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--all") {
      options.all = true;
    } else if (args[i] == "--filter") {
      options.filter = text::utf8ToCp1251(optionValue(args, i));
    } else if (args[i] == "--format") {
      options.format = formatByName(optionValue(args, i));
    } else if (args[i] == "--output") {
      options.output = optionValue(args, i);
      if (options.output.empty()) throw UsageError("Option --output needs a file name");
    } else if (args[i].rfind("--", 0) == 0) {
      throw UsageError("Unknown option " + args[i] + "; " + kUsage);
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2) throw UsageError(kUsage);
  const auto level = levelByName(positional[1]);
  if (!level) throw UsageError("Unknown level " + positional[1] + "; " + kUsage);
  options.base = positional[0];
  options.level = *level;
  return options;
}

}  // namespace

int runExport(const Args& args, std::ostream& out) {
  const ExportOptions options = parseOptions(args);
  app::BaseTables tables;
  openStartupTables(tables, options.base, options.all);
  dbf::TableCursor& cursor = tables.level(options.level);
  if (!cursor.active()) {
    const app::OpenFailure* failure = tables.tableFailure(cursor);
    throw std::runtime_error(failure ? failure->message : "Cannot find file " + cursor.tablePath());
  }
  if (options.filter) {
    cursor.setFilter(*options.filter);
    cursor.setFiltered(!options.filter->empty());
  }
  const browse::ListSource source{options.level, cursor, nullptr};
  if (options.output.empty()) {
    browse::writeList(source, options.format, out);
  } else {
    browse::saveList(source, options.format,
                     std::filesystem::path(std::u8string(options.output.begin(), options.output.end())));
  }
  return 0;
}

}  // namespace kestrin::cli
