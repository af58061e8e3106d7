#include "dbf/table/table_sources.h"

#include <memory>
#include <utility>

#include "dbf/base/disk_file.h"
#include "dbf/base/file_name.h"

namespace kestrin::dbf {
namespace {

// The archive's tables come with DELO.FPT beside DELO.DBF; the name found
// without regard to case prefers that upper-case twin over a delo.fpt, while
// a table named in lower case finds its lower-case memo by its exact name.
std::string memoFileName(const std::string& tableName, MemoKind kind) {
  return replaceExtension(tableName, kind == MemoKind::Fpt ? ".fpt" : ".dbt");
}

}  // namespace

std::unique_ptr<ByteSource> openTableFile(const std::string& fileName) {
  const std::string name = hasExtension(fileName) ? fileName : fileName + ".DBF";
  return std::make_unique<DiskFile>(resolvePathNoCase(name));
}

TableSources TableSources::onDisk(const std::string& fileName) {
  TableSources sources;
  sources.table = openTableFile(fileName);
  sources.openMemo = [tableName = sources.table->name()](MemoKind kind) -> std::unique_ptr<ByteSource> {
    return std::make_unique<DiskFile>(resolvePathNoCase(memoFileName(tableName, kind)));
  };
  return sources;
}

TableSources TableSources::inMemory(const std::string& tableName, std::string table, std::string memo) {
  TableSources sources;
  sources.table = std::make_unique<MemoryImage>(tableName, std::move(table));
  auto image = std::make_shared<std::string>(std::move(memo));
  sources.openMemo = [tableName, image](MemoKind kind) -> std::unique_ptr<ByteSource> {
    return std::make_unique<MemoryImage>(memoFileName(tableName, kind), *image);
  };
  return sources;
}

}  // namespace kestrin::dbf
