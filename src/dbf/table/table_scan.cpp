#include "dbf/table/table_scan.h"

#include <algorithm>
#include <system_error>

#include "dbf/base/errors.h"

namespace kestrin::dbf {

TableScan::TableScan(DbfTable& table, std::size_t blockSize, int firstRecord)
    : table_(table),
      recordLength_(static_cast<std::size_t>(table.recordLength())),
      recordsPerBlock_(static_cast<int>(std::max<std::size_t>(1, blockSize / recordLength_))),
      firstRecord_(std::max(firstRecord, 1)),
      nextRecord_(firstRecord_) {
  if (static_cast<std::int64_t>(table.recordCount()) - firstRecord_ + 1 <= recordsPerBlock_) return;
  for (Block& block : blocks_) block.bytes.resize(static_cast<std::size_t>(recordsPerBlock_) * recordLength_);
  try {
    reader_ = std::thread([this] { readAhead(); });
    fromReader_ = true;
  } catch (const std::system_error&) {
    // No thread to be had: the caller reads every block itself.
  }
}

TableScan::~TableScan() {
  stopReader();
  if (reader_.joinable()) reader_.join();
}

void TableScan::stopReader() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  fromReader_ = false;
}

void TableScan::readAhead() {
  const std::int64_t start =
      table_.headerLength() + static_cast<std::int64_t>(firstRecord_ - 1) * static_cast<std::int64_t>(recordLength_);
  for (std::int64_t k = 0;; ++k) {
    Block& block = blocks_[k % 2];
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [&] { return stop_ || !block.ready; });
      if (stop_) break;
    }
    // The caller does not touch a block that is not ready: read unlocked.
    std::size_t filled = 0;
    std::exception_ptr error;
    try {
      filled = table_.source().read(start + k * static_cast<std::int64_t>(block.bytes.size()), block.bytes.data(),
                                    block.bytes.size());
    } catch (...) {
      error = std::current_exception();
    }
    {
      std::lock_guard lock(mutex_);
      block.filled = filled;
      block.error = error;
      block.ready = true;
    }
    changed_.notify_all();
    if (error || filled < block.bytes.size()) break;
  }
  {
    std::lock_guard lock(mutex_);
    readerDone_ = true;
  }
  changed_.notify_all();
}

TableScan::Run TableScan::next() {
  if (fromReader_) {
    const Run run = takeFromReader();
    if (run.count == recordsPerBlock_) return run;
    // The end of the file as the reader saw it: whatever follows (records
    // appended meanwhile) is read directly.
    stopReader();
    if (run.count > 0) return run;
  }
  return readDirect();
}

TableScan::Run TableScan::takeFromReader() {
  const auto k = static_cast<std::int64_t>(nextRecord_ - firstRecord_) / recordsPerBlock_;
  const int slot = static_cast<int>(k % 2);
  std::unique_lock lock(mutex_);
  if (heldSlot_ >= 0) {
    blocks_[heldSlot_].ready = false;
    heldSlot_ = -1;
    changed_.notify_all();
  }
  changed_.wait(lock, [&] { return blocks_[slot].ready || readerDone_; });
  if (!blocks_[slot].ready) return {};
  heldSlot_ = slot;
  lock.unlock();
  if (blocks_[slot].error) std::rethrow_exception(blocks_[slot].error);
  return takeRecords(blocks_[slot]);
}

TableScan::Run TableScan::readDirect() {
  if (nextRecord_ > table_.recordCount()) {
    table_.refreshRecordCount();
    if (nextRecord_ > table_.recordCount()) return {};
  }
  if (direct_.bytes.empty()) {
    // A small table needs no more than its own size.
    const int records = std::clamp(table_.recordCount() - nextRecord_ + 1, 1, recordsPerBlock_);
    direct_.bytes.resize(static_cast<std::size_t>(records) * recordLength_);
  }
  const std::int64_t offset =
      table_.headerLength() + static_cast<std::int64_t>(nextRecord_ - 1) * static_cast<std::int64_t>(recordLength_);
  direct_.filled = table_.source().read(offset, direct_.bytes.data(), direct_.bytes.size());
  const Run run = takeRecords(direct_);
  if (run.count == 0) {
    // The count says the record is there, the file does not hold it whole.
    table_.refreshRecordCount();
    if (nextRecord_ <= table_.recordCount()) throw EDbfError("Error on Read of file %s", {table_.fileName()});
  }
  return run;
}

TableScan::Run TableScan::takeRecords(const Block& block) {
  const auto whole = static_cast<int>(block.filled / recordLength_);
  if (std::int64_t{nextRecord_} - 1 + whole > table_.recordCount()) table_.refreshRecordCount();
  const int count = std::clamp(table_.recordCount() - nextRecord_ + 1, 0, whole);
  const Run run{nextRecord_, block.bytes.data(), count};
  nextRecord_ += count;
  return run;
}

}  // namespace kestrin::dbf
