// The code values of the archive that the program interprets: type of
// documentation (A4, G1, L13), movement (A100, G15), category (A3, G2),
// value (L12) and the kinds of document (T7) offered by the search.
// Labels are Windows-1251 text.
#pragma once

#include <span>
#include <string_view>

namespace kestrin::archive {

struct CodeLabel {
  int code;
  std::string_view label;
};

// Type of documentation; the abbreviations are those of typeAbbrev.
inline constexpr int kTypePersonalOrigin = 2;  // л/п: a fond of personal origin has no renamings
inline constexpr int kTypePersonnel = 4;       // л/с
inline constexpr int kTypePhoto = 6;           // фото: the file has photo characteristics
// Codes 1..10 with their abbreviations.
std::span<const CodeLabel> typeCodes();

// Movement of a fond or inventory; only "present" is selected by the
// held-only filters.
inline constexpr int kMovementPresent = 1;
// 1 "наличие", 2 "перед.", 3 "присоед.", 4 "утрач.", 5 "уничт."
std::span<const CodeLabel> movementCodes();
// The label of a movement code; empty for an unknown code.
std::string_view movementLabel(long long code);

// Value of a file: 1 "уник.", 2 "ОЦД", 3 "ценные".
std::span<const CodeLabel> valueCodes();
std::string_view valueLabel(long long code);

// Category of a fond or inventory: the numbers 0 to 3.
std::span<const int> categoryCodes();

// The kinds of document, from "постановление" to "перечни вопросов".
std::span<const std::string_view> documentKinds();

// The filters that keep only holdings present in the archive.
inline constexpr std::string_view kFondsPresentFilter = "A100=1";
inline constexpr std::string_view kInventoriesPresentFilter = "G15=1";

}  // namespace kestrin::archive
