#include "browse/card/opis_card.h"

#include "archive/columns/level_columns.h"
#include "archive/format/text_cleanup.h"
#include "archive/title/title_autoformat.h"
#include "text/cp1251_literal.h"

namespace kestrin::browse {

using archive::DisplayColumn;
using archive::quoteTypography;
using namespace text::literals;

std::optional<Card> opisCard(CardContext& context) {
  dbf::TableCursor& opis = *context.tables.opis;
  if (opis.isEmpty()) return std::nullopt;
  const std::string number = inventoryCardNumber(trimmedField(opis, "OKOD"));
  if (number.empty()) return std::nullopt;

  const FondEntry* fond = context.parents.fond(fieldText(opis, "FOND"));
  const std::string title = archive::stripControls(trimmedField(opis, "ONAME"));
  const std::string annotation = fieldText(opis, "G45");
  const archive::LevelColumns columns(opis, archive::Level::Inventories);
  const std::string_view missingFond = "Фонд этой описи не найден в базе."_cp1251;

  Card card;
  const std::string fondNumber = fond ? fond->number : std::string(kUnknownNumber);
  const std::string header =
      std::string("Ф."_cp1251) + archive::removeSpaces(fondNumber) + std::string(". Оп."_cp1251) + number;
  card.caption = header;
  card.status = {header, fond ? archive::stripControls(fond->fullTitle) : std::string()};
  if (fond) {
    const std::string shortTitle = archive::stripControls(fond->shortTitle);
    const std::string fullTitle = archive::stripControls(fond->fullTitle);
    card.labels.push_back(fondLabel(CardLabel::OpisFondNum, fond->number, shortTitle, fullTitle));
    card.labels.push_back(fondLabel(CardLabel::DeloFondNum, fond->number, shortTitle, fullTitle));
  } else {
    card.labels.push_back(missingLabel(CardLabel::OpisFondNum, missingFond));
    card.labels.push_back(missingLabel(CardLabel::DeloFondNum, missingFond));
  }
  card.labels.push_back(opisLabel(number, title));

  CardLines lines(card);
  lines.add(header + ".", kHeading);
  lines.add(quoteTypography(title), kHeading);
  if (!fond) lines.add(missingFond, kAbsentNote);
  lines.add(std::string("Тип документации: "_cp1251) + quoteTypography(columns.text(DisplayColumn::Tip)), kRegular);
  lines.add(std::string("Крайние даты: "_cp1251) + quoteTypography(columns.text(DisplayColumn::Dates)), kRegular);
  lines.add(std::string("Кол-во дел: "_cp1251) + std::to_string(fieldInteger(opis, "G7")), kRegular);
  lines.add("", kRegular);
  lines.add("Аннотация"_cp1251, kHeading);
  if (annotation.empty()) {
    lines.add("отсутствует."_cp1251, kAbsentNote);
  } else {
    lines.add(quoteTypography(annotation), kRegular);
  }
  lines.add("", kRegular);
  return card;
}

}  // namespace kestrin::browse
