#include "browse/cursor_row_map.h"

#include <algorithm>

#include "browse/tag_records.h"

namespace kestrin::browse {

bool CursorRowMap::mappable(const dbf::TableCursor& cursor) { return cursor.active() && !cursor.recordFilterActive(); }

void CursorRowMap::clear() {
  kind_ = Kind::none;
  count_ = 0;
  physical_ = 0;
  deleted_ = nullptr;
  bits_ = nullptr;
  rank_ = {};
  list_.clear();
  rowByRecNo_.clear();
}

bool CursorRowMap::map() {
  clear();
  if (!mappable(cursor_)) return false;
  dbf::DbfHandler& table = cursor_.table();
  try {
    if (table.currentTag()) {
      mapTagOrder(table);
    } else {
      mapRecordOrder(table);
    }
  } catch (...) {
    clear();
    throw;
  }
  return true;
}

void CursorRowMap::mapRecordOrder(dbf::DbfHandler& table) {
  if (table.expressionActive()) {
    // The scan set bits for visible records only.
    bits_ = &table.filterBits();
    rank_ = dbf::BitRank(*bits_);
    count_ = rank_.count();
    kind_ = Kind::bits;
    return;
  }
  if (cursor_.useDeleted()) {
    table.refreshRecordCount();
    physical_ = table.recordCount();
    count_ = physical_;
  } else {
    const DeletedRecords& deleted = deletedRecords(table);
    physical_ = deleted.recordCount;
    deleted_ = &deleted.numbers;
    count_ = physical_ - static_cast<int>(deleted.numbers.size());
  }
  kind_ = Kind::records;
}

void CursorRowMap::mapTagOrder(dbf::DbfHandler& table) {
  const std::vector<int>& entries = tagRecords();
  list_.reserve(entries.size());
  if (table.expressionActive()) {
    const dbf::HugeBitSet& bits = table.filterBits();
    for (const int n : entries) {
      if (bits.test(n)) list_.push_back(n);
    }
  } else if (cursor_.useDeleted()) {
    list_ = entries;
  } else {
    const DeletedRecords& deleted = deletedRecords(table);
    std::vector<char> gone(static_cast<std::size_t>(deleted.recordCount) + 1, 0);
    for (const int n : deleted.numbers) gone[static_cast<std::size_t>(n)] = 1;
    for (const int n : entries) {
      // Entries past the scanned records came with the table's growth since: live until the next scan.
      if (n > deleted.recordCount || !gone[static_cast<std::size_t>(n)]) list_.push_back(n);
    }
  }
  count_ = static_cast<int>(list_.size());
  kind_ = Kind::list;
}

const DeletedRecords& CursorRowMap::deletedRecords(dbf::DbfHandler& table) {
  table.refreshRecordCount();
  if (deletedGeneration_ != cursor_.openGeneration() || deletedCache_.recordCount != table.recordCount()) {
    deletedGeneration_ = 0;
    deletedCache_ = scanDeletedRecords(table);
    deletedGeneration_ = cursor_.openGeneration();
  }
  return deletedCache_;
}

const std::vector<int>& CursorRowMap::tagRecords() {
  // Appended records bring their keys: a grown table is read again.
  cursor_.table().refreshRecordCount();
  const TagKey key{cursor_.openGeneration(), cursor_.table().recordCount(), cursor_.indexFiles(), cursor_.indexName(),
                   cursor_.table().currentTag()};
  if (!(key == tagKey_)) {
    tagKey_ = {};
    tagCache_ = readTagRecords(cursor_);
    tagKey_ = key;
  }
  return tagCache_;
}

int CursorRowMap::recNo(int row) const {
  switch (kind_) {
    case Kind::records: {
      if (!deleted_) return row + 1;
      // Deleted record i (from 0) has d[i] - i - 1 live records before it: the
      // row's record lies after every deleted one with d[i] - i <= row + 1.
      const std::vector<int>& d = *deleted_;
      std::size_t low = 0;
      std::size_t high = d.size();
      while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (d[mid] - static_cast<int>(mid) <= row + 1) {
          low = mid + 1;
        } else {
          high = mid;
        }
      }
      return row + 1 + static_cast<int>(low);
    }
    case Kind::bits:
      return rank_.select(row);
    case Kind::list:
      return list_[static_cast<std::size_t>(row)];
    case Kind::none:
      break;
  }
  return 0;
}

int CursorRowMap::rowOf(int recNo) const {
  if (recNo <= 0) return -1;
  switch (kind_) {
    case Kind::records: {
      if (recNo > physical_) return -1;
      if (!deleted_) return recNo - 1;
      const auto it = std::lower_bound(deleted_->begin(), deleted_->end(), recNo);
      if (it != deleted_->end() && *it == recNo) return -1;
      return recNo - 1 - static_cast<int>(it - deleted_->begin());
    }
    case Kind::bits:
      return bits_->test(recNo) ? rank_.rank(recNo) : -1;
    case Kind::list: {
      if (rowByRecNo_.empty()) {
        const int highest = list_.empty() ? 0 : *std::max_element(list_.begin(), list_.end());
        rowByRecNo_.assign(static_cast<std::size_t>(highest) + 1, -1);
        for (std::size_t row = 0; row < list_.size(); ++row) {
          rowByRecNo_[static_cast<std::size_t>(list_[row])] = static_cast<int>(row);
        }
      }
      return static_cast<std::size_t>(recNo) < rowByRecNo_.size() ? rowByRecNo_[static_cast<std::size_t>(recNo)] : -1;
    }
    case Kind::none:
      break;
  }
  return -1;
}

}  // namespace kestrin::browse
