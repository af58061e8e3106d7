// The card of the current document: its fond, inventory and file, title and
// date.
#pragma once

#include <optional>

#include "browse/card/card_parts.h"

namespace kestrin::browse {

// nullopt when there is no document or it has no number (T1 blank).
std::optional<Card> documentCard(CardContext& context);

}  // namespace kestrin::browse
