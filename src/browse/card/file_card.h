// The card of the current file: its fond, inventory and number, title, type,
// dates, sheets, photographs and, for a file of photographs, the shooting's
// characteristics.
#pragma once

#include <optional>

#include "browse/card/card_parts.h"

namespace kestrin::browse {

// nullopt when there is no file or it has no number (L1 blank). Calls the
// photo lister with the file's photo subfolder.
std::optional<Card> fileCard(CardContext& context);

// The dates line of a file: "Крайние даты: …" for a range, else "Дата: …",
// from L10, or from L8 and L9 when L10 is empty.
std::string fileDatesLine(const dbf::TableCursor& delo, const dbf::RegionalSettings& regional);

}  // namespace kestrin::browse
