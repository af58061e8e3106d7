// The card of the current fond: number and full title, counts, type, years,
// storage place, historical note, annotation and renamings.
#pragma once

#include <optional>

#include "browse/card/card_parts.h"

namespace kestrin::browse {

// nullopt when the fond has no number (FKOD blank). Filters the renamings
// and topography cursors (when open) on the fond's records.
std::optional<Card> fondCard(CardContext& context);

// The storage place of the fond with key `fondKey` from the topography of its
// first inventory (the H3 of that inventory's first Opis2 record); empty when
// there is none. Leaves the topography cursor filtered on that inventory.
std::string topographyStorage(CardContext& context, std::string_view fondKey);

}  // namespace kestrin::browse
