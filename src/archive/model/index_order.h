// The order an archive cursor starts in: a tag of one of the base's index
// files when the base has that file, record order otherwise.
#pragma once

#include <string>
#include <string_view>

#include "dbf/cursor/table_cursor.h"

namespace kestrin::archive {

// Gives `cursor` the order of tag `tagName` of the index file `cdxName` in
// `baseFolder` when that file exists, else record order.
void applyIndexOrder(dbf::TableCursor& cursor, const std::string& baseFolder, std::string_view cdxName,
                     std::string_view tagName);

}  // namespace kestrin::archive
