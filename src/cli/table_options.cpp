#include "cli/table_options.h"

#include <charconv>
#include <filesystem>

#include "text/cp1251_utf8.h"

namespace kestrin::cli {

int wholeNumberValue(const Args& args, std::size_t& i) {
  const std::string& option = args[i];
  const std::string& text = optionValue(args, i);
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) {
    throw UsageError("Option " + option + " needs a whole number, not \"" + text + "\"");
  }
  return value;
}

TableOptions parseTableOptions(const Args& args, bool allowFields) {
  TableOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--fields" && allowFields) {
      const std::string& list = optionValue(args, i);
      std::size_t start = 0;
      while (start <= list.size()) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        if (end > start) options.fields.push_back(list.substr(start, end - start));
        start = end + 1;
      }
    } else if (arg == "--filter") {
      options.filter = optionValue(args, i);
      options.hasFilter = true;
    } else if (arg == "--case-insensitive") {
      options.caseInsensitive = true;
    } else if (arg == "--no-partial") {
      options.noPartial = true;
    } else if (arg == "--index") {
      options.indexFile = optionValue(args, i);
    } else if (arg == "--tag") {
      options.tag = optionValue(args, i);
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
