#include "dbf/table/dbf_table.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "dbf/base/errors.h"
#include "dbf/base/file_name.h"
#include "text/cp1251_case.h"

namespace kestrin::dbf {
namespace {

std::string withDefaultExtension(const std::string& fileName) {
  return hasExtension(fileName) ? fileName : fileName + ".DBF";
}

}  // namespace

DbfTable::DbfTable(const std::string& fileName, bool shared, bool readWrite)
    : file_(resolvePathNoCase(withDefaultExtension(fileName)), shared, readWrite), shared_(shared) {
  if (!file_.existedAtConstruction()) throw EDbfError("File %s could not be found", {file_.fileName()});
  file_.open();
  readHeaderAndDescriptors();
  tableAlias_ = text::upper1251(baseNameWithoutExtension(file_.fileName()));
  recordBuffer_.assign(static_cast<std::size_t>(header_.recordLength) + 1, ' ');
  recordBuffer_.back() = '\0';
  if (shared_) {
    refreshHeader();  // which derives the count
  } else {
    recordCount_ = countFromFileSize();
  }
}

DbfTable::~DbfTable() = default;

void DbfTable::readHeaderAndDescriptors() {
  unsigned char bytes[DbfHeader::kSize];
  file_.readExact(0, bytes, sizeof bytes);
  header_ = DbfHeader::decode(bytes, file_.fileName());
  // A header too short for its own descriptors, or records of no length, cannot
  // be laid out: the count divides by the record length.
  if (header_.headerLength < 33 || header_.recordLength == 0 || header_.descriptorAreaLength() < 0) {
    throw EDbfError("Table Header for %s is invalid", {file_.fileName()});
  }
  const int count = header_.descriptorAreaLength() / 32;
  std::vector<unsigned char> area(static_cast<std::size_t>(count) * 32);
  if (!area.empty()) file_.readExact(32, area.data(), area.size());
  fields_ = decodeFieldDescriptors(area.data(), count);
  for (const auto& field : fields_) {
    if (field.offset + field.width > header_.recordLength) {
      throw EDbfError("Table Header for %s is invalid", {file_.fileName()});
    }
  }
}

int DbfTable::countFromFileSize() const {
  const std::int64_t dataBytes = file_.size() - header_.headerLength;
  if (dataBytes <= 0) return 0;
  const std::int64_t count = dataBytes / header_.recordLength;
  return static_cast<int>(std::min<std::int64_t>(count, std::numeric_limits<int>::max() - 2));
}

void DbfTable::refreshHeader() {
  if (!shared_) return;
  unsigned char bytes[DbfHeader::kSize];
  file_.readExact(0, bytes, sizeof bytes);
  recordCount_ = countFromFileSize();
  if (readAhead_) readAhead_->invalidate();
}

void DbfTable::readRecord(int n) {
  if (!hasRecords() || n == 0) return;
  eof_ = bof_ = false;
  if (n < 0) throw EDbfError("Record number %d is not in table %s", {std::to_string(n), file_.fileName()});
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
    refreshHeader();
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
    refreshHeader();
    if (target == recordCount_ + 1) {
      eof_ = true;
      return;
    }
    if (target > recordCount_) {
      throw EDbfError("Record number %d is not in table %s", {std::to_string(target), file_.fileName()});
    }
  }
  if (readRecordBytes(target, recordBuffer_.data()) != static_cast<std::size_t>(header_.recordLength)) {
    throw EDbfError("Error on Read of file %s", {file_.fileName()});
  }
  currentRecNo_ = target;
  recordWasRead();
}

std::size_t DbfTable::readRecordBytes(int n, char* out) {
  const std::int64_t offset = header_.headerLength + static_cast<std::int64_t>(n - 1) * header_.recordLength;
  const auto length = static_cast<std::size_t>(header_.recordLength);
  if (readAhead_) return readAhead_->read(file_, offset, out, length);
  return file_.read(offset, out, length);
}

bool DbfTable::readRecordInto(int n, char* image) {
  if (n < 1) return false;
  if (n > recordCount_) {
    refreshHeader();
    if (n > recordCount_) return false;
  }
  if (readRecordBytes(n, image) != static_cast<std::size_t>(header_.recordLength)) {
    throw EDbfError("Error on Read of file %s", {file_.fileName()});
  }
  return true;
}

void DbfTable::setReadAhead(bool on) {
  if (on && !readAhead_) {
    readAhead_ = std::make_unique<ReadAheadBuffer>(static_cast<std::size_t>(header_.recordLength));
  } else if (!on) {
    readAhead_.reset();
  }
}

}  // namespace kestrin::dbf
