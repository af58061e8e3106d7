// The parents a card names, with one remembered entry per level: a user
// walking through the records of one parent finds it remembered. Each entry
// keeps the key it was found by, and is used only for that key, so a card
// always names the record's own parents. A key that is not a number is never
// remembered and never matches. Entries are dropped when their table is
// reopened.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "browse/card/parent_table.h"
#include "dbf/cursor/table_cursor.h"

namespace kestrin::browse {

struct FondEntry {
  std::string key;
  std::string number;      // FKOD without blanks at the ends
  std::string shortTitle;  // FNAME as read
  std::string fullTitle;   // A1 as read
};

struct OpisEntry {
  std::string key;
  std::string number;  // OKOD trimmed
  std::string title;   // ONAME trimmed
  std::string fondKey;
};

struct DeloEntry {
  std::string key;
  std::string number;  // L1 trimmed
  std::string opisKey;
};

class ParentLookup {
 public:
  // The level cursors must outlive this object.
  ParentLookup(const dbf::TableCursor& fond, const dbf::TableCursor& opis, const dbf::TableCursor& delo)
      : fonds_(fond), inventories_(opis), files_(delo) {}

  // The parent of key text `key` (as the child's key field reads); null when
  // the base has no such record. The entry stays valid until the next look-up
  // of its level.
  const FondEntry* fond(std::string_view key);
  const OpisEntry* opis(std::string_view key);
  const DeloEntry* delo(std::string_view key);

  // The first inventory of fond `fondKey` in the order of OPIS.DBF, on a
  // cursor valid until the next look-up of an inventory; null when none.
  const dbf::TableCursor* firstInventoryOf(std::string_view fondKey);

  // Builds the key maps of the open parent tables in the background.
  void prepare();

 private:
  ParentTable fonds_;
  ParentTable inventories_;
  ParentTable files_;
  std::optional<FondEntry> fond_;
  std::optional<OpisEntry> opis_;
  std::optional<DeloEntry> delo_;
};

}  // namespace kestrin::browse
