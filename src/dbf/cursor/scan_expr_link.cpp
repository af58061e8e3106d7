#include "dbf/cursor/scan_expr_link.h"

namespace kestrin::dbf {

void ScanExprLink::readMemo(int field, std::string& text) {
  if (table_.memoBlock(record_, field) == 0) {
    text.clear();  // no memo: the memo file is not needed, as for the table's own reads
    return;
  }
  if (!memo_) memo_ = table_.openMemoReader();
  table_.readMemoInto(record_, field, text, *memo_);
}

}  // namespace kestrin::dbf
