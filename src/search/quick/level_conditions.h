// The condition texts of the quick search: for each level the fields a word
// or the phrase is looked for in, normal and fast, in the filter language.
// A word w becomes `FIELD="*w*"`: the field contains it and is at least two
// characters longer. A word holding a quote or a bracket is written as a
// literal that still reads as typed. Texts are Windows-1251.
#pragma once

#include <string>
#include <string_view>

#include "archive/columns/level_columns.h"
#include "search/quick/mode_buttons.h"

namespace kestrin::search {

// The text condition M of `level` for `query`: the phrase in phrase mode (and
// in number mode, which only documents turn to phrase), else one piece per
// word, joined, with the first four characters (the leading "AND " or
// " OR ") removed.
std::string textCondition(archive::Level level, SearchMode mode, bool fast, std::string_view query);

// The fonds' former-name condition R over FOND3.DBF; empty in fast mode.
std::string formerNameCondition(SearchMode mode, bool fast, std::string_view query);

// `FIELD="*w*"` with w as a safe literal.
std::string containsWord(std::string_view field, std::string_view word);

// `FIELD="value"` with the value as a safe literal.
std::string equalsText(std::string_view field, std::string_view value);

}  // namespace kestrin::search
