// kestrin-cli export BASE LEVEL [--all] [--filter EXPR] [--format tsv|csv]
// [--output FILE]: the list of a level as "Сохранить как..." writes it.
#include <optional>
#include <string>

#include "browse/export/list_file.h"
#include "cli/command.h"
#include "cli/command_parser.h"
#include "cli/startup_tables.h"
#include "text/cp1251_utf8.h"

namespace kestrin::cli {
namespace {

struct ExportOptions {
  std::string base;
  archive::Level level = archive::Level::Fonds;
  bool all = false;
  std::optional<std::string> filter;  // Windows-1251
  browse::ListFormat format = browse::ListFormat::text;
  std::string output;  // empty: stdout
};

ExportOptions parseOptions(const Args& args) {
  ExportOptions options;
  CommandParser parser("export");
  CLI::App& app = parser.app();
  app.add_option("BASE", options.base)->required();
  parser.addChoice("LEVEL", options.level, levelChoices(), "level")->required();
  app.add_flag("--all", options.all);
  app.add_option("--filter", options.filter);
  const Choices<browse::ListFormat> formats = {{"tsv", browse::ListFormat::text}, {"csv", browse::ListFormat::csv}};
  parser.addChoice("--format", options.format, formats, "format");
  const CLI::Option* output = app.add_option("--output", options.output);
  parser.parse(args);
  if (output->count() > 0 && options.output.empty()) throw UsageError("Option --output needs a file name");
  if (options.filter) options.filter = text::utf8ToCp1251(*options.filter);
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
