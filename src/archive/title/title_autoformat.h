// Typographic clean-up of titles before they are shown. Titles typed over the
// years by many hands have missing or doubled spaces around punctuation, "N"
// or "#" for the number sign, slashes for brackets, "1920г" without a space
// and period, straight quotation marks. Both operations are pure and leave
// the stored data alone; the display columns apply titleAutoformat and then
// quoteTypography to its result.
#pragma once

#include <string>
#include <string_view>

namespace kestrin::archive {

// Normalises spacing and signs: "Дело N5 по ул.Ленина,д.5" becomes
// "Дело № 5 по ул. Ленина, д. 5"; "Приказы № 1 - № 12" becomes
// "Приказы №№ 1-12".
std::string titleAutoformat(std::string_view title);

// Straight double quotes become « and », hyphens that stand for ranges or
// dashes become en dashes: "Фонд "Заря" (1920-1925 гг.)" becomes
// "Фонд «Заря» (1920–1925 гг.)".
std::string quoteTypography(std::string_view text);

}  // namespace kestrin::archive
