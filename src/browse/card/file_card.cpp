#include "browse/card/file_card.h"

#include "archive/columns/level_columns.h"
#include "archive/format/text_cleanup.h"
#include "archive/model/code_tables.h"
#include "archive/title/title_autoformat.h"
#include "browse/card/file_parents.h"
#include "dbf/base/errors.h"
#include "text/cp1251_literal.h"

namespace kestrin::browse {

using archive::DisplayColumn;
using archive::quoteTypography;
using namespace text::literals;

namespace {

// The dates text from L8 and L9 when both are set; "б/д" when they cannot be read.
std::string dateFieldsText(const dbf::TableCursor& delo, const dbf::RegionalSettings& regional) {
  try {
    const auto first = delo.fieldByName("L8").asDate();
    const auto last = delo.fieldByName("L9").asDate();
    if (!first || !last) return {};
    const std::string from = shortDateText(*first, regional);
    const std::string to = shortDateText(*last, regional);
    return from == to ? from : from + "-" + to;
  } catch (const dbf::EDbfError&) {
    return std::string("б/д"_cp1251);
  }
}

std::string orUnknown(std::string_view label, const std::string& value) {
  return std::string(label) + (value.empty() ? std::string("н/д"_cp1251) : value);
}

std::string_view colourText(long long code) {
  switch (code) {
    case 1:
      return "Цветность: чёрно-белое"_cp1251;
    case 2:
      return "Цветность: цветное"_cp1251;
    case 3:
      return "Цветность: *"_cp1251;
    default:
      return "Цветность: н/д"_cp1251;
  }
}

void addPhotoCharacteristics(CardLines& lines, dbf::TableCursor* deloPhoto, const std::string& fileKey) {
  if (!deloPhoto || !deloPhoto->active()) return;
  if (!deloPhoto->locate("DELO", {fileKey}, {})) return;
  lines.add("", kRegular10);
  lines.add(orUnknown("Место съёмки: "_cp1251, fieldText(*deloPhoto, "O1")), kRegular10);
  lines.add(orUnknown("Автор съёмки: "_cp1251, fieldText(*deloPhoto, "O2")), kRegular10);
  lines.add(colourText(fieldInteger(*deloPhoto, "O6")), kRegular10);
  lines.add(orUnknown("Размер фотодокумента: "_cp1251, fieldText(*deloPhoto, "O7")), kRegular10);
}

}  // namespace

std::string fileDatesLine(const dbf::TableCursor& delo, const dbf::RegionalSettings& regional) {
  std::string dates = trimmedField(delo, "L10");
  if (dates.empty()) dates = dateFieldsText(delo, regional);
  const std::string_view label = dates.find('-') != std::string::npos ? "Крайние даты: "_cp1251 : "Дата: "_cp1251;
  return std::string(label) + quoteTypography(dates);
}

std::optional<Card> fileCard(CardContext& context) {
  dbf::TableCursor& delo = *context.tables.delo;
  if (delo.isEmpty()) return std::nullopt;
  const std::string number = trimmedField(delo, "L1");
  if (number.empty()) return std::nullopt;
  const archive::LevelColumns columns(delo, archive::Level::Files);
  const std::string title = quoteTypography(archive::stripControls(columns.text(DisplayColumn::Cap)));

  const FileParents parents =
      fileParents(context.parents, fieldText(delo, "OPIS"), "Опись этого дела не найдена в базе."_cp1251,
                  "Фонд этого дела не найден в базе."_cp1251);
  const std::string header = fileHeader(parents, number);
  Card card;
  nameFileParents(card, parents, header);

  int photoCount = 0;
  if (context.photoLister) {
    // A parent the base does not hold names no subfolder: the list empties.
    photoCount = context.photoLister(FilePhotoKey{parents.fondFound ? parents.fondNumber : std::string(),
                                                  parents.opisFound ? parents.opisNumber : std::string(), number});
  }

  CardLines lines(card);
  lines.add(header, kHeading10);
  lines.add(title, kHeading10);
  if (!parents.missingNote.empty()) lines.add(parents.missingNote, kGrey10);
  lines.add(std::string("Тип документации: "_cp1251) + quoteTypography(columns.text(DisplayColumn::Tip)), kRegular10);
  lines.add(fileDatesLine(delo, context.regional), kRegular10);
  lines.add(std::string("Кол-во листов: "_cp1251) + std::to_string(fieldInteger(delo, "L11")), kRegular10);
  if (photoCount > 0) lines.add(std::string("Изображений: "_cp1251) + std::to_string(photoCount), kRegular10);
  if (fieldInteger(delo, "L13") == archive::kTypePhoto) {
    addPhotoCharacteristics(lines, context.tables.deloPhoto, fieldText(delo, "KOD"));
  }
  return card;
}

}  // namespace kestrin::browse
