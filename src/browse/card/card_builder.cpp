#include "browse/card/card_builder.h"

#include "dbf/cursor/table_cursor.h"
#include "text/cp1251_literal.h"
#include "text/trims.h"

namespace kestrin::browse {

using namespace text::literals;

struct CardBuilder::State {};

CardBuilder::CardBuilder(CardTables tables, dbf::RegionalSettings regional)
    : tables_(tables), regional_(std::move(regional)), state_(std::make_unique<State>()) {}

CardBuilder::~CardBuilder() = default;

void CardBuilder::setPhotoLister(PhotoLister lister) { photoLister_ = std::move(lister); }

bool CardBuilder::tablesOpen() const {
  for (const dbf::TableCursor* cursor : {tables_.fond, tables_.opis, tables_.delo, tables_.doc}) {
    if (cursor == nullptr || !cursor->active()) return false;
  }
  return true;
}

// A placeholder until the card builders land: the record's number only.
std::optional<Card> CardBuilder::build(archive::Level level, const CardQuery& /*query*/) {
  static constexpr const char* kNumberFields[] = {"FKOD", "OKOD", "L1", "T1"};
  dbf::TableCursor* cursors[] = {tables_.fond, tables_.opis, tables_.delo, tables_.doc};
  dbf::TableCursor* cursor = cursors[static_cast<int>(level)];
  if (cursor == nullptr || !cursor->active() || cursor->isEmpty()) return std::nullopt;
  std::string number(text::trimSpaces(cursor->fieldByName(kNumberFields[static_cast<int>(level)]).asString()));
  if (number.empty()) return std::nullopt;
  Card card;
  card.lines.push_back(CardLine{number, true, CardSize::BasePlus2, CardColor::Text, {}});
  return card;
}

void CardBuilder::forgetParents() { state_ = std::make_unique<State>(); }

Card noBaseCard() {
  Card card;
  card.lines.push_back(CardLine{
      std::string("Путь к базам Архивного Фонда не указан."_cp1251), false, CardSize::BasePlus2, CardColor::Text, {}});
  card.lines.push_back(
      CardLine{std::string("Выберите путь в настройках или укажите в командной строке (см. справку)."_cp1251),
               false,
               CardSize::BasePlus2,
               CardColor::Text,
               {}});
  return card;
}

Card singleLineCard(std::string text) {
  Card card;
  card.lines.push_back(CardLine{std::move(text), false, CardSize::BasePlus2, CardColor::Text, {}});
  return card;
}

}  // namespace kestrin::browse
