// The table as one worker of a parallel filter scan shows it to its own copy
// of the filter expression: the record it points at in the worker's block,
// that record's number, and memos read through a memo file of the worker's
// own. Nothing of the table that other threads change is touched.
#pragma once

#include <memory>
#include <string>

#include "dbf/expr/table_link.h"
#include "dbf/memo/memo_file.h"
#include "dbf/table/dbf_fields.h"

namespace kestrin::dbf {

class ScanExprLink : public ExprTableLink {
 public:
  explicit ScanExprLink(const DbfFields& table) : table_(table) {}

  // The record evaluation reads from now on, and its number; the bytes must
  // stay valid while expressions evaluate against them.
  void setRecord(RecordView record, int recno) {
    record_ = record;
    recno_ = recno;
  }

  std::string_view alias() const override { return table_.tableAlias(); }
  int fieldCount() const override { return table_.fieldCount(); }
  std::string_view fieldName(int field) const override { return table_.descriptor(field)->name; }
  char fieldType(int field) const override { return table_.fieldType(field); }
  int fieldWidth(int field) const override { return table_.fieldWidth(field); }

  std::string_view fieldBytes(int field) override { return table_.fieldRawText(record_, field); }
  double fieldNumber(int field) override { return table_.fieldAsFloat(record_, field); }
  double fieldJulian(int field) override { return table_.fieldAsJulian(record_, field); }
  bool fieldLogical(int field) override { return table_.fieldAsLogical(record_, field); }
  void readMemo(int field, std::string& text) override;
  std::string_view viewMemo(int field, std::string& spill) override;
  std::int64_t recordNumber() override { return recno_; }
  bool isDeleted() override { return record_.isDeleted(); }
  // A scan stands on each record as a step does, which clears both flags.
  bool isBof() override { return false; }
  bool isEof() override { return false; }

 private:
  const DbfFields& table_;
  RecordView record_;
  int recno_ = 0;
  std::unique_ptr<DbtMemo> memo_;  // opened on the first memo read
};

}  // namespace kestrin::dbf
