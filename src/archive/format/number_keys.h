// The numbers a user types for a fond, an inventory or a file, put into the
// stored key layouts so that they can be compared with the fields as stored.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kestrin::archive {

// The 8-character FKOD layout: a number right-aligned in 8 with a trailing
// letter position ("123" gives "    123 "), or a letter prefix, "-" and the
// number right-aligned in 6 ("р12а" and "р-12а" both give "р-   12а").
std::string fondNumberKey(std::string_view typed);

// The OKOD layout: the number with its letter positions right-aligned in 5,
// then the volume (after the first "." or space) left-aligned in at least 3.
// "3 2" gives "  3  2  ".
std::string inventoryNumberKey(std::string_view typed);

// The 10-character L1 layout: the number with its letter positions
// right-aligned in 10 ("12" gives "      12  ").
std::string fileNumberKey(std::string_view typed);

// printf's "%Ns": `text` filled with spaces on the left to `width`, never cut.
std::string rightAligned(std::string_view text, std::size_t width);

}  // namespace kestrin::archive
