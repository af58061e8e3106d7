// The first live record of each key text of one character field, in physical
// order: what a Locate on that field finds on the unfiltered table without
// index files, answered from a map instead of a walk through the table.
//
// Key texts compare as Locate compares them: the wanted text cut to the
// field's width, both sides without trailing blanks, bytes compared exactly.
// Keys written as record keys are (blanks, then a number filling the width)
// live in a table indexed by their number; any other text in a hash map.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dbf/table/dbf_fields.h"

namespace kestrin::browse {

class KeyedRecords {
 public:
  // Maps field `fieldNo` (1-based) of `table` over all its records. Throws the
  // table's read errors.
  void build(dbf::DbfFields& table, int fieldNo);
  // Adds the records appended since the last build or extension; true when
  // there were any.
  bool extend(dbf::DbfFields& table);

  // The record number of the first live record whose field reads as `key`.
  std::optional<int> find(std::string_view key) const;
  // True when `fieldText` (a record's raw field bytes) reads as `key`.
  bool matches(std::string_view fieldText, std::string_view key) const;

  int recordsMapped() const { return mapped_; }

 private:
  // The key as the field would hold it, without trailing blanks.
  std::string_view fieldKey(std::string_view text) const;
  // The number of a key written as a record key of the field's width.
  std::optional<std::uint32_t> recordKeyNumber(std::string_view key) const;
  void add(std::string_view rawField, int recno);
  void scan(dbf::DbfFields& table, int fromRecord);

  int fieldNo_ = 0;
  int offset_ = 0;
  int width_ = 0;
  int mapped_ = 0;
  // Numbers below this limit (fixed at build from the record count) live in
  // byNumber_, larger ones in byLargeNumber_.
  std::uint32_t denseLimit_ = 0;
  // Number -> record number, 0 for none.
  std::vector<std::int32_t> byNumber_;
  std::unordered_map<std::uint32_t, std::int32_t> byLargeNumber_;
  std::unordered_map<std::string, std::int32_t> byText_;
};

}  // namespace kestrin::browse
