// "Номера фондов": the numbers of the listed fonds on one line.
#pragma once

#include <string>

namespace kestrin::dbf {
class TableCursor;
}

namespace kestrin::browse {

// The FKOD of every listed fond, in list order, each with all its blanks
// removed, joined by ", " ("Р-1, Р-25"). The fond that was current stays
// current; the grid hears of the walk once, at the end.
std::string fondNumberList(dbf::TableCursor& fonds);

}  // namespace kestrin::browse
