// Locate: finds the first visible record whose key fields read back as the
// given values. Without an index tag the view is walked in physical order.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "dbf/base/errors.h"
#include "dbf/cursor/table_cursor.h"
#include "text/cp1251_case.h"
#include "text/trims.h"

namespace kestrin::dbf {
namespace {

std::vector<std::string> splitFieldNames(const std::string& keyFields) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start <= keyFields.size()) {
    const std::size_t end = std::min(keyFields.find(';', start), keyFields.size());
    const std::string_view name = text::trimSpaces(std::string_view(keyFields).substr(start, end - start));
    if (!name.empty()) names.emplace_back(name);
    start = end + 1;
  }
  return names;
}

std::optional<double> numberOf(const LocateValue& value) {
  if (const auto* d = std::get_if<double>(&value)) return *d;
  if (const auto* b = std::get_if<bool>(&value)) return *b ? 1.0 : 0.0;
  if (const auto* s = std::get_if<std::string>(&value)) {
    std::string text = *s;
    for (char& c : text) {
      if (c == ',') c = '.';
    }
    return parseDbfNumber(text::trimSpacesRight(text));
  }
  return std::nullopt;
}

std::optional<bool> logicalOf(const LocateValue& value) {
  if (const auto* b = std::get_if<bool>(&value)) return *b;
  if (const auto* d = std::get_if<double>(&value)) return *d != 0;
  if (const auto* s = std::get_if<std::string>(&value)) {
    const std::string u = text::upper1251(text::trimSpaces(*s));
    if (u == "T" || u == "TRUE" || u == "Y") return true;
    if (u == "F" || u == "FALSE" || u == "N") return false;
  }
  return std::nullopt;
}

std::string textOf(const LocateValue& value) {
  if (const auto* s = std::get_if<std::string>(&value)) return *s;
  if (const auto* b = std::get_if<bool>(&value)) return *b ? "T" : "F";
  if (const auto* d = std::get_if<double>(&value)) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", *d);
    return buffer;
  }
  const auto& date = std::get<CivilDate>(value);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date.year, date.month, date.day);
  return buffer;
}

// Puts `value` into field `d` of the blank key image, as a writer would store it.
void putKeyValue(char* image, const FieldDescriptor& d, const LocateValue& value) {
  std::string text;
  bool leftAligned = true;
  switch (d.type) {
    case 'N':
    case 'F': {
      const auto number = numberOf(value);
      if (!number) throw ECursorError("Invalid %s value for field %s", {"Number", d.name});
      char buffer[400];
      std::snprintf(buffer, sizeof buffer, "%*.*f", d.width, d.decimals, *number);
      text = buffer;
      if (static_cast<int>(text.size()) > d.width) throw ECursorError("numeric value too big in field %s", {d.name});
      leftAligned = false;
      break;
    }
    case 'L': {
      const auto logical = logicalOf(value);
      if (!logical) throw ECursorError("Invalid %s value for field %s", {"Logical", d.name});
      text = *logical ? "T" : "F";
      break;
    }
    case 'C':
    case 'D':
      text = textOf(value);
      break;
    default:
      text = textOf(value);
      leftAligned = false;
      break;
  }
  if (static_cast<int>(text.size()) > d.width) text.resize(static_cast<std::size_t>(d.width));
  const std::size_t pad = static_cast<std::size_t>(d.width) - text.size();
  std::memcpy(image + d.offset + (leftAligned ? 0 : pad), text.data(), text.size());
}

}  // namespace

bool TableCursor::locate(const std::string& keyFields, const std::vector<LocateValue>& values, LocateOptions options) {
  requireOpen();
  std::vector<int> fieldNos;
  for (const auto& name : splitFieldNames(keyFields)) fieldNos.push_back(fieldByName(name).fieldNo());
  if (fieldNos.empty() || values.size() < fieldNos.size()) return false;

  // The key record: a blank image with each value put into its field, then
  // read back as display texts, so that both sides compare alike.
  std::vector<char> keyImage(static_cast<std::size_t>(table_->recordLength()) + 1, ' ');
  keyImage.back() = '\0';
  for (std::size_t i = 0; i < fieldNos.size(); ++i) {
    putKeyValue(keyImage.data(), *table_->descriptor(fieldNos[i]), values[i]);
  }
  const RecordView keyRecord(keyImage.data());
  if (CdxTag* tag = locateTag(fieldNos)) return locateByTag(*tag, keyRecord, options);

  std::vector<std::string> keys;
  for (int n : fieldNos) {
    std::string key = table_->fieldAsString(keyRecord, n);
    keys.push_back(options.caseInsensitive ? text::upper1251(key) : key);
  }
  return locateByScan(fieldNos, keys, options);
}

bool TableCursor::locateByScan(const std::vector<int>& fieldNos, const std::vector<std::string>& keys,
                               LocateOptions options) {
  const int remembered = currentRecNo_;
  bool found = false;
  {
    ReadAheadScope readAhead(*table_);
    try {
      const RecordView candidate = table_->currentRecord();
      auto matches = [&] {
        for (std::size_t i = 0; i < fieldNos.size(); ++i) {
          std::string text = table_->fieldAsString(candidate, fieldNos[i]);
          if (options.caseInsensitive) {
            for (char& c : text) c = text::toUpper1251(c);
          }
          const bool partial = options.partialKey && i + 1 == fieldNos.size();
          if (partial ? text.compare(0, keys[i].size(), keys[i]) != 0 : text != keys[i]) return false;
        }
        return true;
      };
      for (bool more = table_->fetch(Step::First); more; more = table_->fetch(Step::Next)) {
        if (matches()) {
          found = true;
          break;
        }
      }
    } catch (...) {
      table_->positionOn(remembered);
      throw;
    }
  }
  if (!found) {
    table_->positionOn(remembered);
    return false;
  }
  takeFound();
  return true;
}

CdxTag* TableCursor::locateTag(const std::vector<int>& fieldNos) {
  IndexSet& indexes = table_->indexes();
  if (!indexes.hasFiles()) return nullptr;
  std::vector<std::string> wanted;
  for (int n : fieldNos) wanted.push_back(text::upper1251(text::trimSpacesRight(table_->descriptor(n)->name)));
  // A tag serves when the fields of its key begin with the wanted fields, in order.
  auto serves = [&](CdxTag& tag) {
    const auto fields = indexes.keyFields(tag);
    if (fields.size() < wanted.size()) return false;
    return std::equal(wanted.begin(), wanted.end(), fields.begin());
  };
  if (CdxTag* current = table_->currentTag(); current && serves(*current)) return current;
  for (const auto& file : indexes.files()) {
    for (std::size_t i = 0; i < file->tagCount(); ++i) {
      CdxTag& tag = file->tag(i);
      if (!tag.hasForCondition() && serves(tag)) return &tag;
    }
  }
  return nullptr;
}

bool TableCursor::locateByTag(CdxTag& tag, RecordView keyRecord, LocateOptions options) {
  const std::string key = table_->indexes().keyOf(tag, keyRecord);
  const bool partial = options.partialKey;
  const int remembered = currentRecNo_;
  // The seek skips records that are not visible, as long as the key holds.
  std::uint32_t n = tag.seek(key, partial ? CdxMatch::Partial : CdxMatch::Exact);
  while (n != 0) {
    table_->readRecord(static_cast<int>(n));
    if (table_->isVisible()) {
      takeFound();
      return true;
    }
    n = tag.next();
    if (n != 0 && tag.compareKeys(tag.currentKey(), key, partial) != 0) n = 0;
  }
  table_->positionOn(remembered);
  return false;
}

}  // namespace kestrin::dbf
