// Record keys: the 7-character KOD field of every level table holds a whole
// number right-aligned with blanks ("     12"); a child table names its parent
// by a field of the same layout (OPIS.FOND, DELO.OPIS, DOCUM.DELO, ...).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrin::archive {

inline constexpr int kRecordKeyWidth = 7;

// The key text of the record numbered `number`: right-aligned in 7
// characters, filled with blanks on the left; a longer number is not cut.
std::string recordKey(long long number);

// A key read as a number: leading blanks skipped, then an optional sign and
// decimal digits within the range of a 32-bit integer. nullopt for anything
// else (an empty key, letters, trailing characters): such a record has no key.
std::optional<int> recordKeyNumber(std::string_view key);

}  // namespace kestrin::archive
