#include "dbf/table/dbf_table.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "dbf/base/errors.h"
#include "dbf/base/file_name.h"
#include "dbf/table/table_sources.h"
#include "text/cp1251_case.h"

namespace kestrin::dbf {

DbfTable::DbfTable(const std::string& fileName) : DbfTable(openTableFile(fileName)) {}

DbfTable::DbfTable(std::unique_ptr<ByteSource> source) : source_(std::move(source)) {
  readHeaderAndDescriptors();
  tableAlias_ = text::upper1251(baseNameWithoutExtension(fileName()));
  recordBuffer_.assign(static_cast<std::size_t>(header_.recordLength()) + 1, ' ');
  recordBuffer_.back() = '\0';
  recordCount_ = countFromFileSize();
}

DbfTable::~DbfTable() = default;

void DbfTable::readHeaderAndDescriptors() {
  unsigned char bytes[DbfHeader::kSize];
  source_->readExact(0, bytes, sizeof bytes);
  header_ = DbfHeader::decode(bytes, bytes + sizeof bytes, fileName());
  std::vector<unsigned char> area(static_cast<std::size_t>(header_.fieldCount()) * 32);
  if (!area.empty()) source_->readExact(DbfHeader::kSize, area.data(), area.size());
  fields_ = header_.decodeFields(area.data(), area.data() + area.size(), fileName());
}

int DbfTable::countFromFileSize() const {
  const std::int64_t dataBytes = source_->size() - header_.headerLength();
  if (dataBytes <= 0) return 0;
  const std::int64_t count = dataBytes / header_.recordLength();
  return static_cast<int>(std::min<std::int64_t>(count, std::numeric_limits<int>::max() - 2));
}

void DbfTable::refreshRecordCount() {
  recordCount_ = countFromFileSize();
  if (readAhead_) readAhead_->invalidate();
}

void DbfTable::readRecord(int n) {
  if (recordCount_ == 0) {
    refreshRecordCount();
    if (recordCount_ == 0) {
      eof_ = bof_ = true;
      return;
    }
  }
  if (n == 0) return;
  eof_ = bof_ = false;

  int target;
  switch (n) {
    case rnCurrent:
      target = currentRecNo_;
      break;
    case rnLast:
      target = recordCount_;
      break;
    case rnFirst:
      target = 1;
      break;
    case rnPrior:
      if (currentRecNo_ <= 1) {
        bof_ = true;
        return;
      }
      target = currentRecNo_ - 1;
      break;
    case rnNext:
      target = currentRecNo_ + 1;
      break;
    default:
      if (n < 0) {
        throw EDbfError("Record number %d is not in table %s", {std::to_string(n), fileName()});
      }
      target = n;
  }
  if (target <= 0) {
    // rnCurrent before any read: there is no current record to re-read.
    target = 1;
  }
  if (target > recordCount_) {
    refreshRecordCount();
    if (target == recordCount_ + 1) {
      eof_ = true;
      return;
    }
    if (target > recordCount_) {
      throw EDbfError("Record number %d is not in table %s", {std::to_string(target), fileName()});
    }
  }
  if (readRecordBytes(target, recordBuffer_.data()) != static_cast<std::size_t>(header_.recordLength())) {
    throw EDbfError("Error on Read of file %s", {fileName()});
  }
  currentRecNo_ = target;
  recordWasRead();
}

std::size_t DbfTable::readRecordBytes(int n, char* out) {
  const std::int64_t offset = header_.headerLength() + static_cast<std::int64_t>(n - 1) * header_.recordLength();
  const auto length = static_cast<std::size_t>(header_.recordLength());
  if (readAhead_) return readAhead_->read(*source_, offset, out, length);
  return source_->read(offset, out, length);
}

bool DbfTable::readRecordInto(int n, char* image) {
  if (n < 1) return false;
  if (n > recordCount_) {
    refreshRecordCount();
    if (n > recordCount_) return false;
  }
  if (readRecordBytes(n, image) != static_cast<std::size_t>(header_.recordLength())) {
    throw EDbfError("Error on Read of file %s", {fileName()});
  }
  return true;
}

void DbfTable::setReadAhead(bool on) {
  if (on && !readAhead_) {
    readAhead_ = std::make_unique<ReadAheadBuffer>(static_cast<std::size_t>(header_.recordLength()));
  } else if (!on) {
    readAhead_.reset();
  }
}

}  // namespace kestrin::dbf
