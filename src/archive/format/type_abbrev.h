// The abbreviation of a type of documentation, from its type code (A4, G1, L13).
#pragma once

#include <string_view>

namespace kestrin::archive {

// "упр.", "л/п", "НТД", "л/с", "кино", "фото", "фоно", "видео", "МЧД",
// "м/ф-подл." for codes 1..10; the empty text for any other code.
std::string_view typeAbbrev(long long typeCode);

}  // namespace kestrin::archive
