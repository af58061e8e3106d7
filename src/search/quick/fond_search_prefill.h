// "Искать в этом фонде": the fond of the current record of the fond,
// inventory or file list, written into the search box as "Ф.<number>" for a
// search among that fond's files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "archive/columns/level_columns.h"
#include "search/quick/level_search.h"

namespace kestrin::search {

// The fond number of the current record of `level` (fonds, inventories or
// files), its stored FKOD trimmed; nullopt when there is none. On the
// inventory and file levels the fond (and inventory) lists are unfiltered,
// put in record order and positioned on the parents.
std::optional<std::string> currentFondNumber(SearchCursors& cursors, archive::Level level);

struct PrefilledBox {
  std::string text;
  int caret = 0;
};

// The box after the fond `number` was put in front of `boxText` (caret at
// `caret`). The number is written without blanks ("р-   12а" as "р-12а"),
// which reads back as the same key, so the prefix is never cut inside it; a
// prefix already there is replaced whole.
PrefilledBox prefillFondSearch(std::string_view boxText, int caret, std::string_view number);

}  // namespace kestrin::search
