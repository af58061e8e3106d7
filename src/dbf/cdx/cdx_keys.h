// Search keys: turning values into the key bytes a tag compares, and the
// comparison itself.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dbf/cdx/cdx_types.h"

namespace kestrin::dbf {

// The 8-byte key of a number: the IEEE 754 double written big-endian, with the
// sign bit set for non-negative values and every bit inverted for negative
// ones, so that the bytes compare in numeric order. 1.0 -> BF F0 00 00 00 00 00 00.
std::string cdxNumberKeyBytes(double value);

// A number key in the compared form: trailing 0x00 bytes removed. Negative
// values keep their trailing 0xFF bytes, so an exact search finds them whatever
// trailing count the file's writer chose.
std::string cdxNumberSearchKey(double value);

// A character key: the text, with trailing blanks removed when `trim`; for the
// GENERAL collation, its weights.
std::string cdxTextSearchKey(std::string_view text, bool trim, CdxCollation collation);

// The text of a number in a character key: its shortest decimal form with
// `decimalSeparator` (1.5 -> "1,5", 10 -> "10").
std::string cdxNumberText(double value, char decimalSeparator);

// The text of a date in a character key: dd.MM.yyyy from a Julian day number.
std::string cdxDateText(std::int32_t julianDay);

// Compares a search key with an entry key as unsigned bytes: negative when the
// search key is less. A shorter key that is a prefix of the other is less, except
// that with `partial` a search key that is a prefix of the entry key is equal.
// An empty search key is less than any non-empty entry key.
int compareCdxKeys(std::string_view search, std::string_view entry, bool partial);

}  // namespace kestrin::dbf
