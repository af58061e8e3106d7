// Reading and writing the decimal numbers of archival texts with the user's
// decimal separator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "dbf/base/regional_settings.h"

namespace kestrin::archive {

// The text read as a floating-point number after trimming codes <= 32 at
// both ends; both "." and "," count as the decimal separator. 0 when the text
// is not a number (grouping, letters, an empty text, an overflow).
double toFloatLenient(std::string_view text, const dbf::RegionalSettings& settings = {});

// The text read as a whole number (an optional sign, then digits, within the
// range of a 32-bit integer); nullopt for anything else, an empty text too.
std::optional<int> wholeNumber(std::string_view text);

// The value rounded to one decimal, halves to the even tenth, with the user's
// decimal separator and without a trailing zero: 1.5 gives "1,5", 2.0 "2".
std::string oneDecimalText(double value, const dbf::RegionalSettings& settings = {});

}  // namespace kestrin::archive
