#include "browse/cursor_index_order.h"

#include "dbf/base/file_name.h"
#include "dbf/cursor/table_path.h"

namespace kestrin::browse {

void CursorIndexOrder::clearIndexFiles() { cursor_.clearIndexFiles(); }

void CursorIndexOrder::addIndexFile(const std::string& name) { cursor_.addIndexFile(indexFilePath(name)); }

void CursorIndexOrder::setIndexName(const std::string& tag) { cursor_.setIndexName(tag); }

int CursorIndexOrder::recordCount() { return cursor_.active() ? cursor_.recordCount() : 0; }

std::string CursorIndexOrder::indexFilePath(const std::string& name) const {
  return dbf::resolveFileNoCase(dbf::databaseFolder(cursor_.databaseName()), name);
}

bool CursorIndexOrder::indexFileExists(const std::string& name) const {
  if (damaged_ && damaged_->contains(name)) return false;
  return dbf::fileExistsNoCase(dbf::databaseFolder(cursor_.databaseName()), name);
}

}  // namespace kestrin::browse
