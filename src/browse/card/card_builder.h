// The record card builders: the card of the current record of a level
// cursor, with its parents named and the quick search's words highlighted.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "archive/columns/level_columns.h"
#include "browse/card/card_text.h"
#include "dbf/base/regional_settings.h"

namespace kestrin::dbf {
class TableCursor;
}
namespace kestrin::archive {
class StoragePlaces;
}

namespace kestrin::browse {

// The cursors a card reads. The level cursors are the grids' own; the card
// reads their current records and never moves, filters or reorders them.
// Optional tables (rename, top, deloPhoto) may be closed.
struct CardTables {
  dbf::TableCursor* fond = nullptr;
  dbf::TableCursor* opis = nullptr;
  dbf::TableCursor* delo = nullptr;
  dbf::TableCursor* doc = nullptr;
  dbf::TableCursor* rename = nullptr;
  dbf::TableCursor* top = nullptr;
  dbf::TableCursor* deloPhoto = nullptr;
  archive::StoragePlaces* storagePlaces = nullptr;
};

// The quick search box's text (Windows-1251) and its chosen mode.
struct CardQuery {
  std::string text;
  HighlightMode mode = HighlightMode::AllWords;
};

// Refills the photo list for a file and returns how many photos it holds.
// The key's fond and inventory numbers are empty when the base does not hold
// that parent.
using PhotoLister = std::function<int(const FilePhotoKey&)>;

class CardBuilder {
 public:
  CardBuilder(CardTables tables, dbf::RegionalSettings regional);
  ~CardBuilder();
  CardBuilder(const CardBuilder&) = delete;
  CardBuilder& operator=(const CardBuilder&) = delete;

  // Called by the file card; without one the card counts no photos.
  void setPhotoLister(PhotoLister lister);

  // True when the four level tables are open, so cards can be built.
  bool tablesOpen() const;

  // The card of the current record of `level`'s cursor; nullopt when that
  // record has no number (or there is none): the card shown stays as it was.
  // noBaseCard() while tablesOpen() is false. Reads parents through cursors
  // of its own; of the given cursors it filters only rename and top, and
  // positions deloPhoto. Throws the engine's errors.
  std::optional<Card> build(archive::Level level, const CardQuery& query);

  // Forgets the parents remembered between cards: after the tables reopen.
  void forgetParents();
  // Starts finding the parents' keys in the background once the tables are
  // open, so that the first card does not wait for it.
  void prepareParents();

 private:
  struct State;
  CardTables tables_;
  dbf::RegionalSettings regional_;
  PhotoLister photoLister_;
  std::unique_ptr<State> state_;
};

// The two lines shown in place of a card while the base is not open.
Card noBaseCard();

// The fond-number list as the card's only line, in regular style.
Card singleLineCard(std::string text);

}  // namespace kestrin::browse
