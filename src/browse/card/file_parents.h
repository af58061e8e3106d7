// The parents that the file and document cards name (inventory and fond), and
// what those two cards set around the card from them: caption, status bar
// and the left panel's labels of the file page.
#pragma once

#include <string>
#include <string_view>

#include "browse/card/card_parts.h"

namespace kestrin::browse {

struct FileParents {
  std::string fondNumber = std::string(kUnknownNumber);  // trimmed, inner blanks kept
  std::string fondShortTitle;
  std::string fondFullTitle;
  std::string opisNumber = std::string(kUnknownNumber);  // for display, "1. Т.2"
  std::string opisTitle;
  bool opisFound = false;
  bool fondFound = false;
  // The grey note naming the parent the base does not hold; empty when all are found.
  std::string missingNote;
};

// The inventory of key `opisKey` and its fond. `missingOpis` and `missingFond`
// are the notes for a broken link at either step.
FileParents fileParents(ParentLookup& parents, std::string_view opisKey, std::string_view missingOpis,
                        std::string_view missingFond);

// "Ф.12. Оп.1. Т.2. Д.45": the header of the file and document cards.
std::string fileHeader(const FileParents& parents, std::string_view deloNumber);

// Sets the caption (the header), status panels, status hint and the labels
// of the fond and inventory on the file page.
void nameFileParents(Card& card, const FileParents& parents, const std::string& header);

}  // namespace kestrin::browse
