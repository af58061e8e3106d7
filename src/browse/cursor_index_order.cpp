#include "browse/cursor_index_order.h"

#include <filesystem>

#include "dbf/base/file_name.h"
#include "dbf/cursor/table_path.h"

namespace kestrin::browse {

void CursorIndexOrder::clearIndexFiles() {
  files_.clear();
  tag_.clear();
  apply();
}

void CursorIndexOrder::addIndexFile(const std::string& name) {
  files_.push_back(name);
  apply();
}

void CursorIndexOrder::setIndexName(const std::string& tag) {
  tag_ = tag;
  apply();
}

int CursorIndexOrder::recordCount() { return cursor_.active() ? cursor_.recordCount() : 0; }

bool CursorIndexOrder::indexFileExists(const std::string& name) const {
  const std::string folder = dbf::databaseFolder(cursor_.databaseName());
  std::error_code error;
  return std::filesystem::is_regular_file(dbf::resolveFileNoCase(folder, name), error);
}

void CursorIndexOrder::apply() {
  // The engine's cursor takes index files and a tag once it offers index
  // order; until then the lists show in record order and only the choice is
  // kept here (the sort markers and later page changes read it back).
}

}  // namespace kestrin::browse
