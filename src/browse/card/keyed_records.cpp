#include "browse/card/keyed_records.h"

#include "dbf/base/errors.h"
#include "dbf/table/table_scan.h"
#include "text/trims.h"

namespace kestrin::browse {
namespace {

// Numbers below this many times the record count (plus a margin) go into the
// dense table; keys are normally the record numbers or close to them.
constexpr std::uint32_t kDenseFactor = 4;
constexpr std::uint32_t kDenseMargin = 1024;

}  // namespace

void KeyedRecords::build(dbf::DbfFields& table, int fieldNo) {
  const dbf::FieldDescriptor* d = table.descriptor(fieldNo);
  if (!d) throw dbf::EDbfError("There is no field number %s in %s", {std::to_string(fieldNo), table.fileName()});
  *this = KeyedRecords();
  fieldNo_ = fieldNo;
  offset_ = d->offset;
  width_ = d->width;
  table.refreshRecordCount();
  denseLimit_ = kDenseFactor * static_cast<std::uint32_t>(table.recordCount()) + kDenseMargin;
  byNumber_.reserve(static_cast<std::size_t>(table.recordCount()) + 1);
  scan(table, 1);
}

bool KeyedRecords::extend(dbf::DbfFields& table) {
  table.refreshRecordCount();
  if (table.recordCount() <= mapped_) return false;
  scan(table, mapped_ + 1);
  return true;
}

void KeyedRecords::scan(dbf::DbfFields& table, int fromRecord) {
  const int count = table.recordCount();
  const std::size_t length = static_cast<std::size_t>(table.recordLength());
  if (fromRecord == 1) {
    dbf::TableScan scan(table);
    for (auto run = scan.next(); run.count > 0; run = scan.next()) {
      for (int i = 0; i < run.count; ++i) {
        const char* record = run.records + static_cast<std::size_t>(i) * length;
        if (record[0] == ' ') add(std::string_view(record + offset_, static_cast<std::size_t>(width_)), run.first + i);
      }
      mapped_ = run.first + run.count - 1;
    }
    return;
  }
  // A few records appended meanwhile: read them one by one.
  std::vector<char> image(length);
  for (int n = fromRecord; n <= count; ++n) {
    if (!table.readRecordInto(n, image.data())) break;
    if (image[0] == ' ') add(std::string_view(image.data() + offset_, static_cast<std::size_t>(width_)), n);
    mapped_ = n;
  }
}

std::string_view KeyedRecords::fieldKey(std::string_view text) const {
  if (text.size() > static_cast<std::size_t>(width_)) text = text.substr(0, static_cast<std::size_t>(width_));
  return text::trimSpacesRight(text);
}

std::optional<std::uint32_t> KeyedRecords::recordKeyNumber(std::string_view key) const {
  if (key.size() != static_cast<std::size_t>(width_)) return std::nullopt;
  std::size_t i = 0;
  while (i < key.size() && key[i] == ' ') ++i;
  const std::string_view digits = key.substr(i);
  // A leading zero would make a second text of the same number.
  if (digits.empty() || digits.size() > 9 || (digits[0] == '0' && digits.size() > 1)) return std::nullopt;
  std::uint32_t number = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return number;
}

void KeyedRecords::add(std::string_view rawField, int recno) {
  const std::string_view key = fieldKey(rawField);
  if (const auto number = recordKeyNumber(key)) {
    if (*number < denseLimit_) {
      if (*number >= byNumber_.size()) byNumber_.resize(*number + 1, 0);
      if (byNumber_[*number] == 0) byNumber_[*number] = recno;
    } else {
      byLargeNumber_.try_emplace(*number, recno);
    }
    return;
  }
  byText_.try_emplace(std::string(key), recno);
}

std::optional<int> KeyedRecords::find(std::string_view key) const {
  const std::string_view wanted = fieldKey(key);
  if (const auto number = recordKeyNumber(wanted)) {
    if (*number < denseLimit_) {
      if (*number < byNumber_.size() && byNumber_[*number] != 0) return byNumber_[*number];
      return std::nullopt;
    }
    const auto it = byLargeNumber_.find(*number);
    if (it != byLargeNumber_.end()) return it->second;
    return std::nullopt;
  }
  const auto it = byText_.find(std::string(wanted));
  if (it != byText_.end()) return it->second;
  return std::nullopt;
}

bool KeyedRecords::matches(std::string_view fieldText, std::string_view key) const {
  return fieldKey(fieldText) == fieldKey(key);
}

}  // namespace kestrin::browse
