// The renamings of a fond as its card lists them: one block per record of
// FOND3.DBF in the cursor's order (dates, former full title, former short
// title), a block equal to the one before it left out.
#pragma once

#include <string>
#include <string_view>

#include "dbf/base/regional_settings.h"
#include "dbf/cursor/table_cursor.h"

namespace kestrin::browse {

// The year as the card shows a renaming's date: the date in the short date
// format without its first 6 characters when it has 10 (day.month.year).
std::string renamingYear(const dbf::CivilDate& date, const dbf::RegionalSettings& regional);

// The renamings text of the fond with key `fondKey`: the blocks, each
// followed by two line breaks; empty when there are none. Leaves `rename`
// filtered on that fond. Throws the engine's errors.
std::string renamingsText(dbf::TableCursor& rename, std::string_view fondKey, const dbf::RegionalSettings& regional);

}  // namespace kestrin::browse
