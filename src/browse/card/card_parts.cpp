#include "browse/card/card_parts.h"

#include "archive/model/record_key.h"
#include "archive/text/text_edit.h"
#include "dbf/cursor/table_cursor.h"
#include "text/cp1251_literal.h"

namespace kestrin::browse {

using namespace text::literals;

std::string fieldText(const dbf::TableCursor& cursor, std::string_view name) {
  if (!cursor.active() || cursor.isEmpty()) return {};
  return cursor.fieldByName(name).asString();
}

std::string trimmedField(const dbf::TableCursor& cursor, std::string_view name) {
  return archive::trimmedControls(fieldText(cursor, name));
}

long long fieldInteger(const dbf::TableCursor& cursor, std::string_view name) {
  if (!cursor.active() || cursor.isEmpty()) return 0;
  return cursor.fieldByName(name).asInteger();
}

std::string inventoryCardNumber(std::string_view okodTrimmed) {
  const std::size_t space = okodTrimmed.find(' ');
  if (space == std::string_view::npos) return std::string(okodTrimmed);
  return archive::trimmedControls(okodTrimmed.substr(0, space)) + std::string(". Т."_cp1251) +
         archive::trimmedControls(okodTrimmed.substr(space));
}

std::string shortDateText(const dbf::CivilDate& date, const dbf::RegionalSettings& regional) {
  std::string out;
  dbf::appendDisplayDate(out, date, dbf::displayDateFormat(regional.shortDateFormat));
  return out;
}

LabelText fondLabel(CardLabel label, std::string_view number, std::string_view shortTitle, std::string_view fullTitle) {
  std::string hint = std::string("Показать информацию о фонде "_cp1251);
  hint.append(number).append("\r").append(shortTitle).append("\r").append(fullTitle);
  return LabelText{label, std::string("Ф."_cp1251) + std::string(number), std::move(hint)};
}

LabelText opisLabel(std::string_view number, std::string_view title) {
  std::string hint = std::string("Показать информацию об описи "_cp1251);
  hint.append(number).append("\r").append(title);
  return LabelText{CardLabel::DeloOpisNum, std::string("Оп."_cp1251) + std::string(number), std::move(hint)};
}

LabelText missingLabel(CardLabel label, std::string_view note) {
  const std::string_view sign = label == CardLabel::DeloOpisNum ? "Оп."_cp1251 : "Ф."_cp1251;
  return LabelText{label, std::string(sign) + std::string(kUnknownNumber), std::string(note)};
}

std::optional<std::string> keyFilter(std::string_view field, std::string_view key) {
  std::string padded(key);
  if (padded.size() < static_cast<std::size_t>(archive::kRecordKeyWidth)) {
    padded.resize(static_cast<std::size_t>(archive::kRecordKeyWidth), ' ');
  }
  for (const auto& [open, close] : {std::pair{'"', '"'}, std::pair{'\'', '\''}, std::pair{'[', ']'}}) {
    if (padded.find(close) != std::string::npos) continue;
    return std::string(field) + "=" + open + padded + close;
  }
  return std::nullopt;
}

}  // namespace kestrin::browse
