// The filter text the advanced search sets on a level's cursor: the text part
// (the level's text fields and the lookups' alternatives), movement, type,
// category or kind, years (fonds and inventories; files and documents take the
// year span as a record filter instead) and the special filter, in that order.
#pragma once

#include <string>
#include <vector>

#include "archive/columns/level_columns.h"
#include "search/advanced/advanced_form.h"

namespace kestrin::search {

// The words the text part searches: the box's text, in the word modes with
// blanks reduced to one and trimmed.
std::string searchText(const AdvancedForm& form);

// The text part's own alternatives: one field condition per text field of the
// level whose box is checked, in the table's order.
std::vector<std::string> textFieldAlternatives(archive::Level level, const AdvancedForm& form);

// The whole condition; empty when nothing is chosen. `lookupAlternatives`
// join the text part after the fields (only when the text part is on).
std::string levelCondition(archive::Level level, const AdvancedForm& form,
                           const std::vector<std::string>& lookupAlternatives);

}  // namespace kestrin::search
