#include "browse/card/fond_card.h"

#include "archive/columns/display_rules.h"
#include "archive/columns/level_columns.h"
#include "archive/format/text_cleanup.h"
#include "archive/model/code_tables.h"
#include "archive/text/text_edit.h"
#include "archive/title/title_autoformat.h"
#include "browse/card/renamings.h"
#include "text/cp1251_literal.h"
#include "text/trims.h"

namespace kestrin::browse {

using archive::DisplayColumn;
using archive::quoteTypography;
using namespace text::literals;

namespace {

long long sumOf(const dbf::TableCursor& fond, std::initializer_list<std::string_view> fields) {
  long long sum = 0;
  for (std::string_view name : fields) sum += fieldInteger(fond, name);
  return sum;
}

std::string filesLine(const dbf::TableCursor& fond) {
  const long long total = sumOf(fond, {"A16", "A21", "A22", "A23", "A24", "A25", "A26"});
  const long long byInventories = sumOf(fond, {"A32", "A33", "A34", "A35", "A36", "A37", "A38"});
  std::string line = std::string("Кол-во дел: "_cp1251) + archive::fileCountText(total);
  if (total == byInventories) return line + std::string(" (по описям то же)"_cp1251);
  return line + std::string(" (по описям "_cp1251) + archive::fileCountText(byInventories) + ")";
}

void addStorage(CardLines& lines, const std::string& storage) {
  if (storage.empty()) {
    lines.add("Номер хранилища неизвестен."_cp1251, kGreyRegular);
  } else if (storage.find(',') == std::string::npos) {
    lines.add(std::string("Номер хранилища: "_cp1251) + storage, kRegular);
  } else {
    lines.add(std::string("Номера хранилищ: "_cp1251) + storage, kRegular);
  }
}

// A titled section: an empty line, the bold title, then the text or the grey
// note that it is absent.
void addSection(CardLines& lines, std::string_view title, const std::string& text) {
  lines.add("", kRegular);
  lines.add(title, kHeading);
  if (text.empty()) {
    lines.add("отсутствует."_cp1251, kAbsentNote);
  } else {
    lines.add(quoteTypography(text), kRegular);
  }
}

// A memo of the fond without trailing blanks and control characters.
std::string memoText(const dbf::TableCursor& fond, std::string_view name) {
  return archive::stripControls(text::trimControlsRight(fieldText(fond, name)));
}

}  // namespace

std::string topographyStorage(CardContext& context, std::string_view fondKey) {
  dbf::TableCursor* top = context.tables.top;
  const dbf::TableCursor* inventory = context.parents.firstInventoryOf(fondKey);
  if (!inventory || !top || !top->active()) return {};
  const auto filter = keyFilter("OPIS", inventory->fieldByName("KOD").asString());
  if (!filter) return {};
  top->setFilter(*filter);
  top->setFiltered(true);
  top->first();
  return fieldText(*top, "H3");
}

std::optional<Card> fondCard(CardContext& context) {
  dbf::TableCursor& fond = *context.tables.fond;
  if (fond.isEmpty()) return std::nullopt;
  const std::string number = archive::removeSpaces(trimmedField(fond, "FKOD"));
  if (number.empty()) return std::nullopt;

  const std::string key = fieldText(fond, "KOD");
  const bool personalOrigin = fieldInteger(fond, "A4") == archive::kTypePersonalOrigin;
  std::string renamings;
  std::string storage;
  if (!archive::isBlank(key)) {
    if (!personalOrigin && context.tables.rename && context.tables.rename->active()) {
      renamings = renamingsText(*context.tables.rename, key, context.regional);
    }
    storage = topographyStorage(context, key);
  }
  const archive::LevelColumns columns(fond, archive::Level::Fonds, context.tables.storagePlaces);
  if (storage.empty()) storage = columns.text(DisplayColumn::Hran);

  const std::string shortTitle = archive::stripControls(trimmedField(fond, "FNAME"));
  const std::string fullTitle = archive::stripControls(trimmedField(fond, "A1"));

  Card card;
  card.status = {std::string("Ф."_cp1251) + number, std::string()};
  card.labels.push_back(fondLabel(CardLabel::OpisFondNum, number, shortTitle, fullTitle));

  CardLines lines(card);
  lines.add(std::string("Ф."_cp1251) + number + ".", kHeading);
  lines.add(quoteTypography(fullTitle), kHeading);
  lines.add(std::string("Кол-во описей: "_cp1251) + std::to_string(fieldInteger(fond, "A5")), kRegular);
  lines.add(std::string("Тип документации: "_cp1251) + quoteTypography(columns.text(DisplayColumn::Tip)), kRegular);
  lines.add(std::string("Крайние даты: "_cp1251) + quoteTypography(columns.text(DisplayColumn::Dates)), kRegular);
  lines.add(filesLine(fond), kRegular);
  const long long undescribed = fieldInteger(fond, "A39");
  if (undescribed != 0) {
    lines.add(std::string("Кол-во неописанных дел: "_cp1251) + archive::fileCountText(undescribed), kRegular);
  } else {
    lines.add("Неописанных дел нет."_cp1251, kRegular);
  }
  addStorage(lines, storage);
  addSection(lines, "Историческая справка"_cp1251, memoText(fond, "A109"));
  addSection(lines, "Аннотация"_cp1251, memoText(fond, "A110"));

  lines.add("", kRegular);
  lines.add("Переименования"_cp1251, kHeading);
  if (!renamings.empty()) {
    lines.add(quoteTypography(renamings), kRegular);
  } else {
    lines.add(personalOrigin ? "отсутствуют. Это фонд личного происхождения."_cp1251 : "отсутствуют."_cp1251,
              kAbsentNote);
    lines.add("", kRegular);
  }
  return card;
}

}  // namespace kestrin::browse
