#include "browse/card/card_builder.h"

#include "browse/card/card_parts.h"
#include "browse/card/document_card.h"
#include "browse/card/file_card.h"
#include "browse/card/fond_card.h"
#include "browse/card/highlight.h"
#include "browse/card/opis_card.h"
#include "dbf/cursor/table_cursor.h"
#include "text/cp1251_literal.h"

namespace kestrin::browse {

using namespace text::literals;

// The parents remembered between cards, read beside the level cursors.
struct CardBuilder::State {
  explicit State(const CardTables& tables) : parents(*tables.fond, *tables.opis, *tables.delo) {}
  ParentLookup parents;
};

namespace {

// Closed cursors stand in for level tables the builder was not given: the
// parent look-ups follow a cursor each, and a closed one finds nothing.
CardTables withClosedStandIns(CardTables tables) {
  static dbf::TableCursor closedFond;
  static dbf::TableCursor closedOpis;
  static dbf::TableCursor closedDelo;
  static dbf::TableCursor closedDoc;
  if (!tables.fond) tables.fond = &closedFond;
  if (!tables.opis) tables.opis = &closedOpis;
  if (!tables.delo) tables.delo = &closedDelo;
  if (!tables.doc) tables.doc = &closedDoc;
  return tables;
}

}  // namespace

CardBuilder::CardBuilder(CardTables tables, dbf::RegionalSettings regional)
    : tables_(withClosedStandIns(tables)), regional_(std::move(regional)), state_(std::make_unique<State>(tables_)) {}

CardBuilder::~CardBuilder() = default;

void CardBuilder::setPhotoLister(PhotoLister lister) { photoLister_ = std::move(lister); }

bool CardBuilder::tablesOpen() const {
  for (const dbf::TableCursor* cursor : {tables_.fond, tables_.opis, tables_.delo, tables_.doc}) {
    if (cursor == nullptr || !cursor->active()) return false;
  }
  return true;
}

std::optional<Card> CardBuilder::build(archive::Level level, const CardQuery& query) {
  if (!tablesOpen()) return noBaseCard();
  CardContext context{tables_, regional_, state_->parents, photoLister_};
  std::optional<Card> card;
  switch (level) {
    case archive::Level::Fonds:
      card = fondCard(context);
      break;
    case archive::Level::Inventories:
      card = opisCard(context);
      break;
    case archive::Level::Files:
      card = fileCard(context);
      break;
    case archive::Level::Documents:
      card = documentCard(context);
      break;
  }
  if (card) highlightCard(*card, query);
  return card;
}

void CardBuilder::forgetParents() { state_ = std::make_unique<State>(tables_); }

void CardBuilder::prepareParents() {
  if (tablesOpen()) state_->parents.prepare();
}

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
