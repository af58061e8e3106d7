// What the expression engine needs from the table it evaluates over. The
// table layer implements this interface; the engine knows nothing else of it.
//
// Fields are numbered from 1 in descriptor order. A number outside
// 1..fieldCount() is never passed. The engine reads the static description
// (alias, names, types, widths) only while it compiles; the per-record
// methods are called while it evaluates, against the record the link is
// pointed at (each candidate of a filter scan in turn, a key image for a
// seek, the table's own record otherwise).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrin::dbf {

class ExprTableLink {
 public:
  virtual ~ExprTableLink() = default;

  // --- Description, read at compile time ---------------------------------

  // The table's name in expressions: the file name without folder and
  // extension, upper case ("DELO"). Fields are known as NAME and ALIAS.NAME.
  virtual std::string_view alias() const = 0;
  virtual int fieldCount() const = 0;
  // The descriptor name as stored (the engine compares it without regard to
  // letter case and ignores trailing blanks).
  virtual std::string_view fieldName(int field) const = 0;
  // The type letter: C, D, F, N, L, M, I, B, Y, T, G, ...
  virtual char fieldType(int field) const = 0;
  // Bytes in the record; for a wide character field the length byte plus
  // 256 x the decimals byte.
  virtual int fieldWidth(int field) const = 0;

  // --- The current record, read while evaluating --------------------------

  // The field's bytes as stored, full width, untrimmed. The view stays valid
  // until the table reads another record.
  virtual std::string_view fieldBytes(int field) = 0;
  // The numeric value of an N or F field (0 when blank) and of the binary
  // numbers of version 0x30 tables (I, Y, B as a double, T as milliseconds).
  // Text that is no number throws the table's EDbfError.
  virtual double fieldNumber(int field) = 0;
  // The day number of a D field (days since 1899-12-30 plus 2415019); 0 for
  // a blank date. An unreadable date throws the table's EDbfError.
  virtual double fieldJulian(int field) = 0;
  // The value of an L field: true for T, t, Y, y, J, j.
  virtual bool fieldLogical(int field) = 0;
  // The whole text of the memo that an M field of the current record refers
  // to, replacing `text` (its capacity is reused from record to record);
  // empty when the field holds no block. Called only for fields that the
  // expression names, and only when evaluation reaches them.
  virtual void readMemo(int field, std::string& text) = 0;
  // As readMemo, but the text may be left where the table holds it and seen
  // through the view, valid until the next memo read; `spill` holds it where
  // it is copied.
  virtual std::string_view viewMemo(int field, std::string& spill) {
    readMemo(field, spill);
    return spill;
  }

  // RECNO(): the current record number, from 1.
  virtual std::int64_t recordNumber() = 0;
  // DELETED(): the current record's deletion mark.
  virtual bool isDeleted() = 0;
  // BOF(), EOF(): the table's beginning- and end-of-table flags.
  virtual bool isBof() = 0;
  virtual bool isEof() = 0;

  // The OEM tables when the table translates its texts from an OEM code page
  // (TranslateASCII; UPPER then upper-cases in ANSI and converts back), or
  // null when it does not, as for every table of this program.
  struct OemTables {
    std::array<unsigned char, 256> oemToAnsi;
    std::array<unsigned char, 256> ansiToOem;
  };
  virtual const OemTables* oemTables() const { return nullptr; }
};

}  // namespace kestrin::dbf
