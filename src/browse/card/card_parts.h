// What the four card builders share: the tables and state a build works on,
// field reads, the inventory number as cards write it, dates in the short
// date format, the left panel's labels and the key filters of the side tables.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "browse/card/card_builder.h"
#include "browse/card/card_lines.h"
#include "browse/card/parent_lookup.h"
#include "dbf/base/civil_date.h"
#include "dbf/base/regional_settings.h"

namespace kestrin::browse {

struct CardContext {
  const CardTables& tables;
  const dbf::RegionalSettings& regional;
  ParentLookup& parents;
  const PhotoLister& photoLister;
};

// The styles of the cards' lines: the fond and inventory cards write at
// base + 2 with absent-value notes at base; the file and document cards keep
// the fixed size 10 throughout.
inline constexpr LineStyle kHeading{true, CardSize::BasePlus2, CardColor::Text};
inline constexpr LineStyle kRegular{false, CardSize::BasePlus2, CardColor::Text};
inline constexpr LineStyle kGreyRegular{false, CardSize::BasePlus2, CardColor::Grey};
inline constexpr LineStyle kAbsentNote{false, CardSize::Base, CardColor::Grey};
inline constexpr LineStyle kHeading10{true, CardSize::Ten, CardColor::Text};
inline constexpr LineStyle kRegular10{false, CardSize::Ten, CardColor::Text};
inline constexpr LineStyle kGrey10{false, CardSize::Ten, CardColor::Grey};

// Stands for the number of a parent the base does not hold.
inline constexpr std::string_view kUnknownNumber = "?";

// The field as the cursor reads it; "" for a closed cursor or no record.
std::string fieldText(const dbf::TableCursor& cursor, std::string_view name);
// Blanks and control characters removed at both ends.
std::string trimmedField(const dbf::TableCursor& cursor, std::string_view name);
long long fieldInteger(const dbf::TableCursor& cursor, std::string_view name);

// The inventory number written with its volume: "1  2" gives "1. Т.2".
std::string inventoryCardNumber(std::string_view okodTrimmed);

// The date in the user's short date format.
std::string shortDateText(const dbf::CivilDate& date, const dbf::RegionalSettings& regional);

// "Ф." + number with its hint (the fond's number and its two titles).
LabelText fondLabel(CardLabel label, std::string_view number, std::string_view shortTitle, std::string_view fullTitle);
// "Оп." + number with its hint.
LabelText opisLabel(std::string_view number, std::string_view title);
// The labels of a parent the base does not hold: its sign and the note why.
LabelText missingLabel(CardLabel label, std::string_view note);

// A filter selecting the records whose `field` holds record key `key`; the
// key is padded to the key width so that a shorter key does not select keys
// it begins. nullopt when the key holds every quote of the language.
std::optional<std::string> keyFilter(std::string_view field, std::string_view key);

}  // namespace kestrin::browse
