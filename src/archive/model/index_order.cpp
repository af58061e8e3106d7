#include "archive/model/index_order.h"

#include "dbf/base/file_name.h"

namespace kestrin::archive {

void applyIndexOrder(dbf::TableCursor& cursor, const std::string& baseFolder, std::string_view cdxName,
                     std::string_view tagName) {
  cursor.clearIndexFiles();
  if (!dbf::fileExistsNoCase(baseFolder, std::string(cdxName))) return;
  cursor.addIndexFile(dbf::resolveFileNoCase(baseFolder, std::string(cdxName)));
  cursor.setIndexName(std::string(tagName));
}

}  // namespace kestrin::archive
