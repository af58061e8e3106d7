// A parent table read by key beside its level cursor. The level cursors are
// the grids the user looks at: a card names a record's parents without moving,
// filtering or reordering them. This reads the same table through a cursor of
// its own (read-only, unfiltered, physical order) and finds records by a key
// field through KeyedRecords, so a look-up finds exactly the record that
// Locate on the unfiltered level cursor without index files would find.
#pragma once

#include <cstdint>
#include <future>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "browse/card/keyed_records.h"
#include "dbf/cursor/table_cursor.h"

namespace kestrin::browse {

class ParentTable {
 public:
  // `level` must outlive this object.
  explicit ParentTable(const dbf::TableCursor& level) : level_(level) {}

  // The first live record whose `field` reads as `key`, current on a cursor
  // of this object's own (valid until the next call); null when there is none
  // or the level cursor is closed. The key map of a field is built on its
  // first use after every opening of the level cursor. Throws the engine's
  // errors.
  const dbf::TableCursor* find(std::string_view field, std::string_view key);

  // Starts building the key map of `field` on a worker thread, with a cursor
  // of its own, so that the first card after the base opens does not wait for
  // a walk through a table of a million records. find() waits for it.
  void prepare(std::string_view field);

  // True while what this object read belongs to the level cursor's current
  // opening; false before the first look-up and after a reopen.
  bool current() const { return own_ && generation_ == level_.openGeneration(); }

 private:
  void follow();
  KeyedRecords& mapOf(std::string_view field);
  bool holds(const KeyedRecords& map, std::string_view field, int recno, std::string_view key);

  const dbf::TableCursor& level_;
  std::uint64_t generation_ = 0;
  std::unique_ptr<dbf::TableCursor> own_;
  std::map<std::string, KeyedRecords, std::less<>> maps_;
  std::map<std::string, std::future<KeyedRecords>, std::less<>> pending_;
};

}  // namespace kestrin::browse
