// The card of the current inventory: its fond and number, title, type,
// years, number of files and annotation.
#pragma once

#include <optional>

#include "browse/card/card_parts.h"

namespace kestrin::browse {

// nullopt when the inventory has no number (OKOD blank).
std::optional<Card> opisCard(CardContext& context);

}  // namespace kestrin::browse
