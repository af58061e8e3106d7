// The table as the expression engine sees it: field descriptions while an
// expression compiles, and the values of one record while it evaluates. The
// record is the one the link is pointed at: the table's own record image
// unless its owner points it elsewhere (each record of a scan block in turn,
// a key image built for a seek).
#pragma once

#include "dbf/expr/table_link.h"
#include "dbf/table/dbf_fields.h"

namespace kestrin::dbf {

class DbfExprLink : public ExprTableLink {
 public:
  explicit DbfExprLink(const DbfFields& table) : table_(table), record_(table.currentRecord()) {}

  // The record evaluation reads from now on; it must stay valid while
  // expressions evaluate against it.
  void setRecord(RecordView record) { record_ = record; }
  // Back to the table's own record image.
  void readCurrentRecord() { record_ = table_.currentRecord(); }
  RecordView record() const { return record_; }

  std::string_view alias() const override { return table_.tableAlias(); }
  int fieldCount() const override { return table_.fieldCount(); }
  std::string_view fieldName(int field) const override { return table_.descriptor(field)->name; }
  char fieldType(int field) const override { return table_.fieldType(field); }
  int fieldWidth(int field) const override { return table_.fieldWidth(field); }

  std::string_view fieldBytes(int field) override { return table_.fieldRawText(record_, field); }
  double fieldNumber(int field) override { return table_.fieldAsFloat(record_, field); }
  double fieldJulian(int field) override { return table_.fieldAsJulian(record_, field); }
  bool fieldLogical(int field) override { return table_.fieldAsLogical(record_, field); }
  void readMemo(int field, std::string& text) override { table_.readMemoInto(record_, field, text); }
  std::int64_t recordNumber() override { return table_.currentRecNo(); }
  bool isDeleted() override { return record_.isDeleted(); }
  bool isBof() override { return table_.bofFlag(); }
  bool isEof() override { return table_.eofFlag(); }

 private:
  const DbfFields& table_;
  RecordView record_;
};

}  // namespace kestrin::dbf
