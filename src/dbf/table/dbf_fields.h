// Field access over a table's record image: descriptor lookups and the
// decoding of every field type into a value.
//
// Field numbers are 1-based descriptor positions; a number outside
// 1..FieldCount yields an empty or zero result, never an error.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "dbf/memo/memo_file.h"
#include "dbf/table/dbf_table.h"

namespace kestrin::dbf {

class DbfFields : public DbfTable {
 public:
  DbfFields(const std::string& fileName, bool shared, bool readWrite);
  ~DbfFields() override;

  // Field number of `name`, compared without case and with trailing blanks
  // ignored; the first match wins; 0 when there is none.
  int findField(std::string_view name) const;
  // As findField, but throws "There is no field name %s".
  int fieldNumber(std::string_view name) const;

  const FieldDescriptor* descriptor(int n) const;
  char fieldType(int n) const;
  int fieldWidth(int n) const;
  int fieldDecimals(int n) const;

  // The field's bytes in the current record image, untrimmed. The view stays
  // valid until the next read into that image.
  std::string_view fieldRawText(int n) const;

  // The display text: trailing blanks removed, then by type (dates in the
  // short date format, numbers trimmed, logicals "T"/"F", memos whole).
  std::string fieldAsString(int n);
  // The numeric value; throws "Invalid numeric value in field %s".
  double fieldAsFloat(int n) const;
  bool fieldAsLogical(int n) const;
  // Julian day of a D field (0 when empty, 0 for other types); throws
  // "Invalid date in field %s".
  int fieldAsJulian(int n) const;

  // Typed by-name access: the requested type letter must match the field's
  // ("N" also accepts B, F, G, I, M; "G" also accepts B and M), otherwise
  // "Field %s is the incorrect type".
  int typedFieldNumber(std::string_view name, char requestedType) const;

  // True when the first byte of the record image is not a blank.
  bool isDeleted() const { return activeRecord_[0] != ' '; }

  // Memo block number of a memo field (0 for no memo, and for other types).
  std::uint32_t memoBlock(int n) const;
  std::uint32_t memoLength(int n);
  // The whole memo of the field; empty for block 0 and for non-memo fields.
  std::string memoText(int n);
  // As memoText, into `text`, reusing its capacity.
  void readMemoInto(int n, std::string& text);
  bool hasMemo() const { return header().memoKind() != MemoKind::None; }

  // The record image that field decoding reads. By default the table's own
  // buffer; a cursor points it at one of its images for one access.
  const char* activeRecord() const { return activeRecord_; }
  void setActiveRecord(const char* image) { activeRecord_ = image ? image : ownRecordBuffer(); }

  // "FILE->FIELD (text)": names a field in the value error messages.
  std::string fieldErrorName(int n, std::string_view text) const;

 private:
  DbtMemo& memoFile();

  const char* activeRecord_;
  std::unique_ptr<DbtMemo> memo_;
};

// Restores the table's own record image when it goes out of scope.
class ActiveRecordScope {
 public:
  ActiveRecordScope(DbfFields& table, const char* image) : table_(table), saved_(table.activeRecord()) {
    table_.setActiveRecord(image);
  }
  ~ActiveRecordScope() { table_.setActiveRecord(saved_); }
  ActiveRecordScope(const ActiveRecordScope&) = delete;
  ActiveRecordScope& operator=(const ActiveRecordScope&) = delete;

 private:
  DbfFields& table_;
  const char* saved_;
};

// Parses a DBF number text (leading blanks skipped, optional sign, digits,
// ".", optional exponent). nullopt for anything else.
std::optional<double> parseDbfNumber(std::string_view text);

}  // namespace kestrin::dbf
