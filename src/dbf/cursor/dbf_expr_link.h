// The table as the expression engine sees it: field descriptions while an
// expression compiles, and the values of the record image that the table
// currently designates while it evaluates.
#pragma once

#include "dbf/expr/table_link.h"
#include "dbf/table/dbf_fields.h"

namespace kestrin::dbf {

class DbfExprLink : public ExprTableLink {
 public:
  explicit DbfExprLink(DbfFields& table) : table_(table) {}

  std::string_view alias() const override { return table_.tableAlias(); }
  int fieldCount() const override { return table_.fieldCount(); }
  std::string_view fieldName(int field) const override { return table_.descriptor(field)->name; }
  char fieldType(int field) const override { return table_.fieldType(field); }
  int fieldWidth(int field) const override { return table_.fieldWidth(field); }

  std::string_view fieldBytes(int field) override { return table_.fieldRawText(field); }
  double fieldNumber(int field) override { return table_.fieldAsFloat(field); }
  double fieldJulian(int field) override { return table_.fieldAsJulian(field); }
  bool fieldLogical(int field) override { return table_.fieldAsLogical(field); }
  void readMemo(int field, std::string& text) override { table_.readMemoInto(field, text); }
  std::int64_t recordNumber() override { return table_.currentRecNo(); }
  bool isDeleted() override { return table_.isDeleted(); }
  bool isBof() override { return table_.bofFlag(); }
  bool isEof() override { return table_.eofFlag(); }

 private:
  DbfFields& table_;
};

}  // namespace kestrin::dbf
