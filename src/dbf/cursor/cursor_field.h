// A field of a table cursor: reads its value from the record the cursor
// designates (the current record while browsing, the candidate record while
// the record filter runs; see TableCursor::record). Reading never changes the
// cursor or the table, except the table's memo file, which memo reads open
// on first use.
//
// Values follow the cursor mapping: strings without trailing blanks (a blank
// field is null), numbers never null (blank is 0), dates null when blank or
// impossible, memo and blob null when the field holds no block.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "dbf/cursor/field_type.h"
#include "dbf/table/dbf_date.h"
#include "dbf/table/dbf_fields.h"

namespace kestrin::dbf {

class TableCursor;

class CursorField {
 public:
  CursorField(const TableCursor& cursor, std::string name, FieldType type, int fieldNo, int size)
      : cursor_(&cursor), name_(std::move(name)), type_(type), fieldNo_(fieldNo), size_(size) {}

  const std::string& name() const { return name_; }
  FieldType type() const { return type_; }
  // 1-based number of the DBF descriptor the value comes from.
  int fieldNo() const { return fieldNo_; }
  int size() const { return size_; }

  // Never throws. A memo field whose block number is damaged is not null:
  // reading it reports the damage.
  bool isNull() const;
  // The value as text: strings and memos as they are, numbers in plain
  // notation (decimal separator ","), dates dd.mm.yyyy, booleans "True"/"False";
  // null gives "".
  std::string asString() const;
  std::int64_t asInteger() const;
  double asFloat() const;
  bool asBoolean() const;
  // Days since 1899-12-30 with the time as fraction; 0 when null.
  double asDateTime() const;
  std::optional<CivilDate> asDate() const;
  // The bytes of the memo of a memo or blob field; empty when it has none.
  std::string memoText() const;
  // Milliseconds counted from 0001-01-01 (day 1) for date-time fields; 0 when null.
  double asDateTimeMs() const;

 private:
  // What every read starts from: the table that decodes the record, and the
  // record; the table is null when the cursor has no record.
  struct Source {
    const DbfFields* table = nullptr;
    RecordView record;
  };
  Source source() const;

  const TableCursor* cursor_;
  std::string name_;
  FieldType type_;
  int fieldNo_;
  int size_;
};

}  // namespace kestrin::dbf
