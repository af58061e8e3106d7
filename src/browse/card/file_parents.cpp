#include "browse/card/file_parents.h"

#include "archive/format/text_cleanup.h"
#include "text/cp1251_literal.h"

namespace kestrin::browse {

using namespace text::literals;

FileParents fileParents(ParentLookup& parents, std::string_view opisKey, std::string_view missingOpis,
                        std::string_view missingFond) {
  FileParents names;
  const OpisEntry* opis = parents.opis(opisKey);
  if (!opis) {
    names.missingNote = missingOpis;
    return names;
  }
  names.opisFound = true;
  names.opisNumber = inventoryCardNumber(opis->number);
  names.opisTitle = opis->title;
  const FondEntry* fond = parents.fond(opis->fondKey);
  if (!fond) {
    names.missingNote = missingFond;
    return names;
  }
  names.fondFound = true;
  names.fondNumber = fond->number;
  names.fondShortTitle = fond->shortTitle;
  names.fondFullTitle = fond->fullTitle;
  return names;
}

std::string fileHeader(const FileParents& parents, std::string_view deloNumber) {
  return std::string("Ф."_cp1251) + archive::removeSpaces(parents.fondNumber) + std::string(". Оп."_cp1251) +
         parents.opisNumber + std::string(". Д."_cp1251) + std::string(deloNumber);
}

void nameFileParents(Card& card, const FileParents& parents, const std::string& header) {
  card.caption = header;
  card.status = {header, parents.fondShortTitle};
  card.statusHint = parents.fondFullTitle;
  if (parents.fondFound) {
    card.labels.push_back(
        fondLabel(CardLabel::DeloFondNum, parents.fondNumber, parents.fondShortTitle, parents.fondFullTitle));
  } else {
    card.labels.push_back(missingLabel(CardLabel::DeloFondNum, parents.missingNote));
  }
  if (parents.opisFound) {
    card.labels.push_back(opisLabel(parents.opisNumber, parents.opisTitle));
  } else {
    card.labels.push_back(missingLabel(CardLabel::DeloOpisNum, parents.missingNote));
  }
}

}  // namespace kestrin::browse
