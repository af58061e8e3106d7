#include "cli/table_options.h"

#include <filesystem>

#include "cli/command_parser.h"
#include "text/cp1251_utf8.h"

namespace kestrin::cli {

TableOptions parseTableOptions(const Args& args, bool allowFields) {
  TableOptions options;
  CommandParser parser(allowFields ? "dump" : "count");
  CLI::App& app = parser.app();
  app.add_option("TABLE", options.table)->required();
  if (allowFields) {
    // Every --fields adds its names.
    app.add_option("--fields", options.fields)->delimiter(',')->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  }
  const CLI::Option* filter = app.add_option("--filter", options.filter);
  app.add_flag("--case-insensitive", options.caseInsensitive);
  app.add_flag("--no-partial", options.noPartial);
  app.add_option("--index", options.indexFile);
  app.add_option("--tag", options.tag);
  app.add_flag("--with-deleted", options.withDeleted);
  parser.parse(args);
  options.hasFilter = filter->count() > 0;
  std::erase(options.fields, "");
  return options;
}

std::unique_ptr<dbf::TableCursor> cursorForTablePath(const std::string& path) {
  const std::filesystem::path file(path);
  auto cursor = std::make_unique<dbf::TableCursor>();
  cursor->setDatabaseName(file.has_parent_path() ? file.parent_path().string() : ".");
  cursor->setTableName(file.filename().string());
  return cursor;
}

std::unique_ptr<dbf::TableCursor> openTableCursor(const TableOptions& options) {
  if (options.indexFile.empty() != options.tag.empty()) {
    throw UsageError("--index and --tag go together");
  }
  auto cursor = cursorForTablePath(options.table);
  cursor->setUseDeleted(options.withDeleted);
  cursor->setExactCount(true);
  if (options.hasFilter) {
    cursor->setFilter(text::utf8ToCp1251(options.filter));
    cursor->setFilterOptions({options.caseInsensitive, options.noPartial});
    cursor->setFiltered(true);
  }
  if (!options.indexFile.empty()) {
    cursor->setIndexFiles({options.indexFile});
    cursor->setIndexName(text::utf8ToCp1251(options.tag));
  }
  cursor->open();
  return cursor;
}

}  // namespace kestrin::cli
