#include "browse/card/document_card.h"

#include "archive/title/title_autoformat.h"
#include "browse/card/file_parents.h"
#include "dbf/base/errors.h"
#include "text/cp1251_literal.h"

namespace kestrin::browse {

using archive::quoteTypography;
using namespace text::literals;

namespace {

// T9, else T8 in the short date format, else "б/д".
std::string documentDate(const dbf::TableCursor& doc, const dbf::RegionalSettings& regional) {
  std::string date = fieldText(doc, "T9");
  if (!date.empty()) return date;
  try {
    if (const auto t8 = doc.fieldByName("T8").asDate()) date = shortDateText(*t8, regional);
  } catch (const dbf::EDbfError&) {
    date.clear();
  }
  return date.empty() ? std::string("б/д"_cp1251) : date;
}

}  // namespace

std::optional<Card> documentCard(CardContext& context) {
  dbf::TableCursor& doc = *context.tables.doc;
  if (doc.isEmpty()) return std::nullopt;
  if (trimmedField(doc, "T1").empty()) return std::nullopt;
  // The title as the document grid's title column shows it: T2 as stored.
  const std::string title = quoteTypography(fieldText(doc, "T2"));

  FileParents parents;
  std::string fileNumber(kUnknownNumber);
  if (const DeloEntry* delo = context.parents.delo(fieldText(doc, "DELO"))) {
    fileNumber = delo->number;
    parents = fileParents(context.parents, delo->opisKey, "Опись этого документа не найдена в базе."_cp1251,
                          "Фонд этого документа не найден в базе."_cp1251);
  } else {
    parents.missingNote = "Дело этого документа не найдено в базе."_cp1251;
  }
  const std::string header = fileHeader(parents, fileNumber);
  Card card;
  card.scrollToTop = false;
  nameFileParents(card, parents, header);

  CardLines lines(card);
  lines.add(header, kHeading10);
  lines.add(title, kHeading10);
  if (!parents.missingNote.empty()) lines.add(parents.missingNote, kGrey10);
  lines.add(std::string("Дата: "_cp1251) + quoteTypography(documentDate(doc, context.regional)), kRegular10);
  return card;
}

}  // namespace kestrin::browse
