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
  // The rest of the header: descriptors, terminator and what follows it.
  std::vector<unsigned char> area(static_cast<std::size_t>(header_.headerLength()) - DbfHeader::kSize);
  source_->readExact(DbfHeader::kSize, area.data(), area.size());
  fields_ = header_.decodeFields(area.data(), area.data() + area.size(), fileName());
}

int DbfTable::countFromFileSize() const {
  const std::int64_t dataBytes = source_->size() - header_.headerLength();
  if (dataBytes <= 0) return 0;
  const std::int64_t count = dataBytes / header_.recordLength();
  return withoutZeroTail(static_cast<int>(std::min<std::int64_t>(count, std::numeric_limits<int>::max() - 2)));
}

bool DbfTable::isZeroRecord(int n) const {
  std::vector<char> image(static_cast<std::size_t>(header_.recordLength()));
  const std::int64_t offset = header_.headerLength() + static_cast<std::int64_t>(n - 1) * header_.recordLength();
  if (source_->read(offset, image.data(), image.size()) != image.size()) return false;
  // The first may be the end-of-file mark 0x1A the writer put after the last record.
  return (image[0] == 0 || image[0] == 0x1A) &&
         std::all_of(image.begin() + 1, image.end(), [](char c) { return c == 0; });
}

// Records of zero bytes at the end of the file are room a writer reserved or
// never filled (a preallocated or interrupted file), not records: even the
// deletion flag is missing. A writer fills the file in order, so they only
// form its tail, and a binary search finds where it starts without reading
// gigabytes of zeros.
int DbfTable::withoutZeroTail(int count) const {
  if (count == 0 || !isZeroRecord(count)) return count;
  int filled = 0;  // records 1..filled hold data (as far as the search looked)
  int zeroFrom = count;
  while (zeroFrom - filled > 1) {
    const int middle = filled + (zeroFrom - filled) / 2;
    if (isZeroRecord(middle)) {
      zeroFrom = middle;
    } else {
      filled = middle;
    }
  }
  return filled;
}

void DbfTable::refreshRecordCount() {
  recordCount_ = countFromFileSize();
  if (readAhead_) readAhead_->invalidate();
}

void DbfTable::readRecord(int n) {
  if (!hasRecords() || n == 0) return;
  eof_ = bof_ = false;
  if (n < 0) throw EDbfError("Record number %d is not in table %s", {std::to_string(n), fileName()});
  readTarget(n);
}

void DbfTable::readRecord(Step step) {
  if (!hasRecords()) return;
  switch (step) {
    case Step::Current:
      // Before any read there is no current record to re-read: the first it is.
      readTarget(std::max(currentRecNo_, 1));
      return;
    case Step::Last:
      readTarget(recordCount_);
      return;
    case Step::First:
      readTarget(1);
      return;
    case Step::Prior:
      if (currentRecNo_ <= 1) {
        eof_ = false;
        bof_ = true;
        return;
      }
      readTarget(currentRecNo_ - 1);
      return;
    case Step::Next:
      readTarget(std::max(currentRecNo_ + 1, 1));
      return;
  }
}

bool DbfTable::hasRecords() {
  if (recordCount_ == 0) {
    refreshRecordCount();
    if (recordCount_ == 0) {
      eof_ = bof_ = true;
      return false;
    }
  }
  return true;
}

void DbfTable::readTarget(int target) {
  eof_ = bof_ = false;
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

bool DbfTable::holdsRecord(int n) {
  if (n < 1) return false;
  if (n <= recordCount_) return true;
  refreshRecordCount();
  return n <= recordCount_;
}

void DbfTable::setReadAhead(bool on) {
  if (on && !readAhead_) {
    readAhead_ = std::make_unique<ReadAheadBuffer>(static_cast<std::size_t>(header_.recordLength()));
  } else if (!on) {
    readAhead_.reset();
  }
}

}  // namespace kestrin::dbf
