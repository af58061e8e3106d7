// Writes DBF tables with FPT memo files, for the tests and the demo base. Not
// part of the program's read path: the program itself never writes a table.
//
// Records stream to disk as they are added, so tables of millions of records
// cost no memory; the header's record count is written by finish().
#pragma once

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "dbf/table/dbf_date.h"

namespace kestrin::dbf {

struct FieldSpec {
  std::string name;  // at most 10 characters
  char type = 'C';
  int width = 10;  // C fields up to 65535 (wide fields use the decimal byte)
  int decimals = 0;
};

// A value for one field: blank, text (Windows-1251; the memo text for M
// fields), a number, a logical or a date.
using FieldValue = std::variant<std::monostate, std::string, double, long long, bool, CivilDate>;

struct DbfWriterOptions {
  // 0x03 plain, 0xF5 FoxPro with memo, 0x30 Visual FoxPro, 0x83 dBASE III with memo.
  std::uint8_t version = 0;  // 0: 0xF5 when a memo field exists, otherwise 0x03
  std::uint16_t memoBlockSize = 64;
  CivilDate lastUpdate{2024, 1, 1};  // fixed, so equal input gives equal bytes
  std::uint8_t codePageMark = 0xC9;  // Windows-1251
};

class FptWriter;

class DbfWriter {
 public:
  DbfWriter(const std::string& path, std::vector<FieldSpec> fields, DbfWriterOptions options = {});
  ~DbfWriter();
  DbfWriter(const DbfWriter&) = delete;
  DbfWriter& operator=(const DbfWriter&) = delete;

  // Appends a record; missing trailing values are blank. Throws
  // std::invalid_argument for a value that does not fit its field.
  void addRecord(const std::vector<FieldValue>& values, bool deleted = false);

  // Writes the record count into the header, the end-of-file mark, and closes.
  void finish();

  int recordCount() const { return recordCount_; }
  int recordLength() const { return recordLength_; }
  int headerLength() const { return headerLength_; }

 private:
  void writeHeader();
  void encodeField(char* out, const FieldSpec& field, const FieldValue& value);

  std::string path_;
  std::vector<FieldSpec> fields_;
  DbfWriterOptions options_;
  std::ofstream out_;
  std::unique_ptr<FptWriter> memo_;
  int headerLength_ = 0;
  int recordLength_ = 1;
  int recordCount_ = 0;
  bool finished_ = false;
  std::vector<char> record_;
};

// Appends memo blocks to an FPT file (big-endian block headers).
class FptWriter {
 public:
  FptWriter(const std::string& path, std::uint16_t blockSize);
  ~FptWriter();
  // Stores `text` and returns its block number.
  std::uint32_t add(const std::string& text);
  void finish();

 private:
  std::ofstream out_;
  std::uint16_t blockSize_;
  std::uint32_t nextBlock_;
  bool finished_ = false;
};

}  // namespace kestrin::dbf
