#include "dbf/cursor/scan_expr_link.h"

namespace kestrin::dbf {

void ScanExprLink::readMemo(int field, std::string& text) {
  const std::uint32_t block = table_.memoBlock(record_, field);
  if (block == 0) {
    text.clear();  // no memo: the memo file is not needed, as for the table's own reads
    return;
  }
  if (!memo_) memo_ = table_.openMemoReader();
  memo_->readMemoInto(block, text);
}

std::string_view ScanExprLink::viewMemo(int field, std::string& spill) {
  const std::uint32_t block = table_.memoBlock(record_, field);
  if (block == 0) return {};
  if (!memo_) memo_ = table_.openMemoReader();
  return memo_->viewMemo(block, spill);
}

}  // namespace kestrin::dbf
