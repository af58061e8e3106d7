#include "cli/table_options.h"

#include <filesystem>

#include "text/cp1251_utf8.h"

namespace kestrin::cli {

TableOptions parseTableOptions(const Args& args, bool allowFields) {
  TableOptions options;
  auto value = [&](std::size_t& i) -> const std::string& {
    if (i + 1 >= args.size()) throw UsageError("Option " + args[i] + " needs a value");
    return args[++i];
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--fields" && allowFields) {
      const std::string& list = value(i);
      std::size_t start = 0;
      while (start <= list.size()) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        if (end > start) options.fields.push_back(list.substr(start, end - start));
        start = end + 1;
      }
    } else if (arg == "--filter") {
      options.filter = value(i);
      options.hasFilter = true;
    } else if (arg == "--case-insensitive") {
      options.caseInsensitive = true;
    } else if (arg == "--no-partial") {
      options.noPartial = true;
    } else if (arg == "--index") {
      options.indexFile = value(i);
    } else if (arg == "--tag") {
      options.tag = value(i);
    } else if (arg == "--with-deleted") {
      options.withDeleted = true;
    } else if (arg.rfind("--", 0) == 0) {
      throw UsageError("Unknown option " + arg);
    } else if (options.table.empty()) {
      options.table = arg;
    } else {
      throw UsageError("Unexpected argument " + arg);
    }
  }
  if (options.table.empty()) throw UsageError("Missing TABLE argument");
  return options;
}

std::unique_ptr<dbf::TableCursor> openTableCursor(const TableOptions& options) {
  if (options.indexFile.empty() != options.tag.empty()) {
    throw UsageError("--index and --tag go together");
  }
  const std::filesystem::path path(options.table);
  auto cursor = std::make_unique<dbf::TableCursor>();
  cursor->setDatabaseName(path.has_parent_path() ? path.parent_path().string() : ".");
  cursor->setTableName(path.filename().string());
  cursor->useDeleted = options.withDeleted;
  cursor->exactCount = true;
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
