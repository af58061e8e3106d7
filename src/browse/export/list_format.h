// The two forms of a saved list. A line of cells (Windows-1251) becomes:
// - text: the cells in Windows-1251 separated by one TAB, no quoting, no
//   trailing TAB, ended by CR LF; a TAB or line break inside a cell becomes
//   a blank, since it would split the cell or the line for every reader;
// - CSV (RFC 4180): the cells in UTF-8 separated by commas, a cell holding a
//   comma, a quote, a TAB or a line break put in quotes with its quotes
//   doubled, ended by CR LF. The file starts with the UTF-8 byte order mark,
//   by which spreadsheets tell UTF-8 from the system's code page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrin::browse {

enum class ListFormat { text, csv };

// What the file starts with before its first line.
std::string_view listPreamble(ListFormat format);
std::string listLine(ListFormat format, const std::vector<std::string>& cells);

}  // namespace kestrin::browse
