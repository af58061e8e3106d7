// One DBF table: the header, the field descriptors and fixed-length records
// addressed by physical record number (from 1), read from a byte source (the
// file on disk, read-only and shared, or an image in memory).
//
// The record count is always derived from the source's current size, never
// from the header, and re-derived whenever a read runs past the known end:
// records that another program appends become visible, a half-written record
// never does, nor a tail of records that are all zero bytes (room reserved
// but not yet written).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dbf/base/byte_source.h"
#include "dbf/base/read_ahead_buffer.h"
#include "dbf/table/dbf_header.h"

namespace kestrin::dbf {

// A step relative to the table's position: to the first or last record, to
// the one after or before the current record, or onto the current record again.
enum class Step { First, Last, Next, Prior, Current };

class DbfTable {
 public:
  // Opens `fileName` (".DBF" added when it has no extension, letter case
  // ignored) and reads the header and descriptors. Throws EDbfError,
  // EDbfHeaderInvalid, EDbfEncryption; a failed open leaves no open file.
  explicit DbfTable(const std::string& fileName);
  // The same over any byte source.
  explicit DbfTable(std::unique_ptr<ByteSource> source);
  virtual ~DbfTable();
  DbfTable(const DbfTable&) = delete;
  DbfTable& operator=(const DbfTable&) = delete;

  // Reads record n (from 1) into the table's record image; 0 does nothing.
  // n one past the last record sets EofFlag and keeps the previous record in
  // the image; a negative n, or one further past the end, throws "Record
  // number %d is not in table %s". An empty table sets both flags.
  void readRecord(int n);
  // Reads the record `step` leads to. Next past the last record sets EofFlag,
  // Prior before the first sets BofFlag; either keeps the previous record in
  // the image. Current before any read reads the first record.
  void readRecord(Step step);

  // Re-derives the record count from the source's current size.
  void refreshRecordCount();

  int recordCount() const { return recordCount_; }
  int headerLength() const { return header_.headerLength(); }
  int recordLength() const { return header_.recordLength(); }
  int fieldCount() const { return static_cast<int>(fields_.size()); }
  int currentRecNo() const { return currentRecNo_; }
  bool eofFlag() const { return eof_; }
  bool bofFlag() const { return bof_; }
  std::uint8_t version() const { return header_.version(); }
  const DbfHeader& header() const { return header_; }
  const std::string& fileName() const { return source_->name(); }
  // The file name without folder and extension, upper-cased: names the table in expressions.
  const std::string& tableAlias() const { return tableAlias_; }
  const std::vector<FieldDescriptor>& fieldDescriptors() const { return fields_; }

  // The bytes the records are read from.
  const ByteSource& source() const { return *source_; }

  // The table's own record image: RecordLength bytes as last read.
  const char* ownRecordBuffer() const { return recordBuffer_.data(); }

  // Reads record `n` (1..count) into `image` without moving the table.
  // Returns false when n is beyond the end of the file.
  bool readRecordInto(int n, char* image);

  // True when the file holds record `n` (from 1), taking the size again when
  // n lies past the known end: an index may name a record that the program
  // appending to the table has not written yet.
  bool holdsRecord(int n);

  // Serves record reads from a large buffer while on (physical-order scans).
  void setReadAhead(bool on);
  bool readAhead() const { return readAhead_ != nullptr; }

 protected:
  // Called after each successful record read; the handler keeps its state in step.
  virtual void recordWasRead() {}

  // Makes `recno` current for the next relative step without reading it.
  void positionForStep(int recno) {
    currentRecNo_ = recno;
    eof_ = bof_ = false;
  }
  void setFlags(bool eof, bool bof) {
    eof_ = eof;
    bof_ = bof;
  }

 private:
  void readHeaderAndDescriptors();
  // False, with both flags set, when the table has no records even after the
  // count is re-derived.
  bool hasRecords();
  // Reads record `target` (from 1); one past the end sets EofFlag.
  void readTarget(int target);
  // The whole records the file holds after the header, less a tail of
  // records that are nothing but zero bytes.
  int countFromFileSize() const;
  int withoutZeroTail(int count) const;
  bool isZeroRecord(int n) const;
  std::size_t readRecordBytes(int n, char* out);

  std::unique_ptr<ByteSource> source_;
  DbfHeader header_;
  std::string tableAlias_;
  std::vector<FieldDescriptor> fields_;
  int recordCount_ = 0;
  int currentRecNo_ = 0;
  bool eof_ = false;
  bool bof_ = false;
  std::vector<char> recordBuffer_;
  std::unique_ptr<ReadAheadBuffer> readAhead_;
};

// Read-ahead on for one walk through the table; the earlier state comes back
// when the scope ends, however it ends.
class ReadAheadScope {
 public:
  explicit ReadAheadScope(DbfTable& table) : table_(table), had_(table.readAhead()) { table.setReadAhead(true); }
  ~ReadAheadScope() { table_.setReadAhead(had_); }
  ReadAheadScope(const ReadAheadScope&) = delete;
  ReadAheadScope& operator=(const ReadAheadScope&) = delete;

 private:
  DbfTable& table_;
  bool had_;
};

}  // namespace kestrin::dbf
