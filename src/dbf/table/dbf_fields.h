// Field access over a table's records: descriptor lookups and the decoding of
// every field type of a record into a value.
//
// Every decoder is told which record to read by a RecordView: the table's own
// record image, a record inside a scan block, a key image a caller built. The
// table lays the record out (its descriptors, its version, its memo file); the
// view only says where the bytes are.
//
// Field numbers are 1-based descriptor positions; a number outside
// 1..FieldCount yields an empty or zero result, never an error.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "dbf/memo/memo_file.h"
#include "dbf/table/dbf_table.h"
#include "dbf/table/table_sources.h"

namespace kestrin::dbf {

// One record image of a table: RecordLength bytes, the deletion mark first.
// A view neither owns nor copies the bytes; it designates them for as long as
// whoever holds them keeps them (a scan block until the next run, the table's
// own image until the next read into it, which refills the same bytes). A
// default view designates no record.
class RecordView {
 public:
  RecordView() = default;
  explicit RecordView(const char* image) : image_(image) {}

  explicit operator bool() const { return image_ != nullptr; }
  const char* image() const { return image_; }
  // True when the deletion mark is not a blank. Requires a record.
  bool isDeleted() const { return image_[0] != ' '; }

 private:
  const char* image_ = nullptr;
};

class DbfFields : public DbfTable {
 public:
  // Opens the table file `fileName` as DbfTable does; the memo file beside it
  // is opened on the first memo read.
  explicit DbfFields(const std::string& fileName);
  // The same over any table and memo sources.
  explicit DbfFields(TableSources sources);
  ~DbfFields() override;

  // Field number of `name`, compared without case and with trailing blanks
  // ignored; the first match wins; 0 when there is none.
  int findField(std::string_view name) const;
  // As findField, but throws "There is no field name %s".
  int fieldNumber(std::string_view name) const;

  const FieldDescriptor* descriptor(int n) const;
  char fieldType(int n) const;
  int fieldWidth(int n) const;

  // The table's own record image as last read by readRecord; the view stays
  // on that buffer, so after the next read it shows the record read then.
  RecordView currentRecord() const { return RecordView(ownRecordBuffer()); }

  // The decoders below read the field of `record`, which must be a record of
  // this table (or an image laid out like one).

  // The field's bytes, untrimmed; valid as long as the record's bytes are.
  std::string_view fieldRawText(RecordView record, int n) const;

  // The display text: trailing blanks removed, then by type (dates in the
  // short date format, numbers trimmed, logicals "T"/"F", memos whole).
  std::string fieldAsString(RecordView record, int n) const;
  // The numeric value; throws "Invalid numeric value in field %s".
  double fieldAsFloat(RecordView record, int n) const;
  bool fieldAsLogical(RecordView record, int n) const;
  // Julian day of a D field (0 when empty, 0 for other types); throws
  // "Invalid date in field %s".
  int fieldAsJulian(RecordView record, int n) const;

  // Typed by-name access: the requested type letter must match the field's
  // ("N" also accepts B, F, G, I, M; "G" also accepts B and M), otherwise
  // "Field %s is the incorrect type".
  int typedFieldNumber(std::string_view name, char requestedType) const;

  // Memo block number of a memo field (0 for no memo, and for other types).
  // Throws "Invalid memo block number in field %s" for a pointer that is no
  // block number (not a number, negative, beyond 32 bits).
  std::uint32_t memoBlock(RecordView record, int n) const;

  // The memo reads go through the table's memo file, opened on the first
  // read and kept open; its read position and buffers are the only state a
  // memo read changes, and they are nobody's concern but the memo file's.
  // A memo file that cannot be opened or read throws its EDbfError.
  std::uint32_t memoLength(RecordView record, int n) const;
  // The whole memo of the field; empty for block 0 and for non-memo fields.
  std::string memoText(RecordView record, int n) const;
  // As memoText, into `text`, reusing its capacity.
  void readMemoInto(RecordView record, int n, std::string& text) const;

  // A memo file of this table of its own, reading ahead: lets another thread
  // read memos while this table's own memo file is left alone. Throws as the
  // first memo read would.
  std::unique_ptr<DbtMemo> openMemoReader() const;

 private:
  // "FILE->FIELD (text)": names a field in the value error messages.
  std::string fieldErrorName(int n, std::string_view text) const;
  DbtMemo& memoFile() const;
  std::uint32_t memoBlockOfOtherForm(RecordView record, int n, const FieldDescriptor& field) const;

  std::function<std::unique_ptr<ByteSource>(MemoKind)> openMemo_;
  mutable std::unique_ptr<DbtMemo> memo_;
};

// Parses a DBF number text (leading blanks skipped, optional sign, digits,
// ".", optional exponent). nullopt for anything else.
std::optional<double> parseDbfNumber(std::string_view text);

}  // namespace kestrin::dbf
