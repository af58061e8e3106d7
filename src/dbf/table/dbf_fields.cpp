#include "dbf/table/dbf_fields.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include "dbf/base/coding.h"
#include "dbf/base/errors.h"
#include "dbf/base/file_name.h"
#include "dbf/table/dbf_date.h"
#include "text/cp1251_case.h"
#include "text/trims.h"

namespace kestrin::dbf {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<double> parseDbfNumber(std::string_view text) {
  text = text::trimSpacesLeft(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t numberStart = i;
  std::size_t digits = 0;
  while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t exponentStart = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    if (i == exponentStart) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  if (digits == i - numberStart && digits <= 15) {
    // A whole number (memo block numbers, codes, counts): exact in a double
    // when it has at most fifteen digits.
    std::int64_t whole = 0;
    for (std::size_t k = numberStart; k < i; ++k) whole = whole * 10 + (text[k] - '0');
    return negative ? -static_cast<double>(whole) : static_cast<double>(whole);
  }
  double value = 0;
  std::string_view number = text.substr(numberStart);
  if (!number.empty() && number.front() == '.') {
    // from_chars wants a digit before the point.
    std::string padded = "0";
    padded.append(number);
    std::from_chars(padded.data(), padded.data() + padded.size(), value);
  } else {
    std::from_chars(number.data(), number.data() + number.size(), value);
  }
  return negative ? -value : value;
}

DbfFields::DbfFields(const std::string& fileName) : DbfFields(TableSources::onDisk(fileName)) {}

DbfFields::DbfFields(TableSources sources)
    : DbfTable(std::move(sources.table)), openMemo_(std::move(sources.openMemo)) {}

DbfFields::~DbfFields() = default;

int DbfFields::findField(std::string_view name) const {
  name = text::trimSpacesRight(name);
  for (const auto& field : fieldDescriptors()) {
    if (text::equalsNoCase1251(text::trimSpacesRight(field.name), name)) return field.number;
  }
  return 0;
}

int DbfFields::fieldNumber(std::string_view name) const {
  const int n = findField(name);
  if (n == 0) throw EDbfError("There is no field name %s", {fileName() + "->" + std::string(name)});
  return n;
}

int DbfFields::typedFieldNumber(std::string_view name, char requestedType) const {
  const int n = fieldNumber(name);
  const char type = fieldType(n);
  bool ok = type == requestedType;
  if (requestedType == 'N') ok = ok || type == 'B' || type == 'F' || type == 'G' || type == 'I' || type == 'M';
  if (requestedType == 'G') ok = ok || type == 'B' || type == 'M';
  if (!ok) throw EDbfError("Field %s is the incorrect type", {std::string(name)});
  return n;
}

const FieldDescriptor* DbfFields::descriptor(int n) const {
  if (n < 1 || n > fieldCount()) return nullptr;
  return &fieldDescriptors()[static_cast<std::size_t>(n - 1)];
}

char DbfFields::fieldType(int n) const {
  const auto* d = descriptor(n);
  return d ? d->type : '\0';
}

int DbfFields::fieldWidth(int n) const {
  const auto* d = descriptor(n);
  return d ? d->width : 0;
}

std::string_view DbfFields::fieldRawText(RecordView record, int n) const {
  const auto* d = descriptor(n);
  if (!d) return {};
  return {record.image() + d->offset, static_cast<std::size_t>(d->width)};
}

std::string DbfFields::fieldErrorName(int n, std::string_view text) const {
  const auto* d = descriptor(n);
  return baseNameWithoutExtension(fileName()) + "->" + (d ? d->name : std::string()) + " (" + std::string(text) + ")";
}

double DbfFields::fieldAsFloat(RecordView record, int n) const {
  const auto* d = descriptor(n);
  if (!d) return 0;
  const auto* bytes = reinterpret_cast<const unsigned char*>(record.image() + d->offset);
  const std::string_view raw = fieldRawText(record, n);
  if (header().isVisualFoxPro()) {
    switch (d->type) {
      case 'B':
        if (d->width >= 8) return decodeLEDouble(bytes);
        return 0;
      case 'G':
      case 'I':
      case 'M':
        if (d->width < 4 || text::trimSpacesRight(raw.substr(0, 4)).empty()) return 0;
        return static_cast<std::int32_t>(decodeLE32(bytes));
      case 'T': {
        if (d->width < 8) return 0;
        const std::uint32_t day = decodeLE32(bytes);
        const std::uint32_t ms = decodeLE32(bytes + 4);
        if (day == 0 && ms == 0) return 0;
        return (static_cast<double>(day) - kJulianOfDayZero) * kMsPerDay + ms;
      }
      case 'Y':
        if (d->width < 8) return 0;
        return static_cast<double>(static_cast<std::int64_t>(decodeLE64(bytes))) / 10000.0;
      default:
        break;
    }
  }
  const std::string_view text = text::trimSpacesRight(raw);
  if (text.empty()) return 0;
  const auto value = parseDbfNumber(text);
  if (!value) throw EDbfError("Invalid numeric value in field %s", {fieldErrorName(n, text)});
  return *value;
}

bool DbfFields::fieldAsLogical(RecordView record, int n) const {
  const std::string_view text = fieldRawText(record, n);
  if (text.empty()) return false;
  return std::string_view("TtYyJj").find(text) != std::string_view::npos;
}

int DbfFields::fieldAsJulian(RecordView record, int n) const {
  if (fieldType(n) != 'D') return 0;
  const std::string_view raw = fieldRawText(record, n);
  const auto julian = dbfDate().julianFromText(raw);
  if (!julian) throw EDbfError("Invalid date in field %s", {fieldErrorName(n, text::trimSpacesRight(raw))});
  return *julian;
}

std::string DbfFields::fieldAsString(RecordView record, int n) const {
  const auto* d = descriptor(n);
  if (!d) return {};
  const std::string_view text = text::trimSpacesRight(fieldRawText(record, n));
  switch (d->type) {
    case 'B':
      return text::trimSpacesLeft(text) > "0" ? "--BINARY--" : "--binary--";
    case 'G':
      return text::trimSpacesLeft(text) > "0" ? "-GENERAL--" : "-general--";
    case 'D': {
      const auto julian = dbfDate().julianFromText(text);
      return std::string(text::trimSpacesRight(dbfDate().displayFromJulian(julian.value_or(0))));
    }
    case 'N':
    case 'F': {
      if (!text.empty()) return std::string(text::trimSpacesLeft(text));
      char buffer[320];
      std::snprintf(buffer, sizeof buffer, "%*.*f", d->width, d->decimals, 0.0);
      return std::string(text::trimSpacesLeft(buffer));
    }
    case 'L':
      return fieldAsLogical(record, n) ? "T" : "F";
    case 'M':
      return memoText(record, n);
    default:
      return std::string(text);
  }
}

namespace {

// A memo pointer of blanks and then up to eight digits in its last eight
// bytes, as writers store it, read as one word: the blanks become zeros and
// the digits are checked and combined eight at a time (all blanks read as
// 0). False for any other form, which the byte loop below reads or reports.
bool readShortPointer(std::string_view raw, std::uint32_t& block) {
  if constexpr (std::endian::native != std::endian::little) return false;
  constexpr std::uint64_t kEightBlanks = 0x2020202020202020ULL;
  if (raw.size() < 8 || raw.size() > 16) return false;
  std::uint64_t head = 0;
  std::uint64_t word = 0;
  std::memcpy(&head, raw.data(), 8);
  std::memcpy(&word, raw.data() + raw.size() - 8, 8);
  // The bytes before the last eight must be blanks.
  const std::size_t before = raw.size() - 8;
  const std::uint64_t beforeBits = before == 8 ? ~0ULL : (1ULL << (8 * before)) - 1;
  if (((head ^ kEightBlanks) & beforeBits) != 0) return false;
  const std::uint64_t nonBlank = word ^ kEightBlanks;
  if (nonBlank == 0) {
    block = 0;
    return true;
  }
  // The first byte of the field is the lowest of the word.
  const int leadingBlanks = std::countr_zero(nonBlank) / 8;
  word |= 0x1010101010101010ULL & ((1ULL << (8 * leadingBlanks)) - 1);
  constexpr std::uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0ULL;
  if (((word & kHighNibbles) | (((word + 0x0606060606060606ULL) & kHighNibbles) >> 4)) != 0x3333333333333333ULL) {
    return false;
  }
  word -= 0x3030303030303030ULL;
  word = word * 10 + (word >> 8);  // pairs of digits
  constexpr std::uint64_t kPairs = 0x000000FF000000FFULL;
  word = (((word & kPairs) * 0x000F424000000064ULL) + (((word >> 16) & kPairs) * 0x0000271000000001ULL)) >> 32;
  block = static_cast<std::uint32_t>(word);
  return true;
}

}  // namespace

std::uint32_t DbfFields::memoBlock(RecordView record, int n) const {
  const FieldDescriptor* d = descriptor(n);
  if (d == nullptr || (d->type != 'M' && d->type != 'B' && d->type != 'G')) return 0;
  const bool visualFoxPro = header().isVisualFoxPro();
  if (d->type == 'B' && visualFoxPro) return 0;  // an 8-byte double there
  if (!visualFoxPro) {
    const std::string_view raw(record.image() + d->offset, static_cast<std::size_t>(d->width));
    // The pointer as writers store it, blanks and then digits, is read here
    // directly: a filter scan meets one per record and memo field.
    std::uint32_t block = 0;
    if (readShortPointer(raw, block)) return block;
  }
  return memoBlockOfOtherForm(record, n, *d);
}

// The pointers readShortPointer leaves: longer fields, other writers' forms,
// Visual FoxPro's binary numbers and damaged pointers. Kept apart so that the
// usual form is read without this function's frame.
std::uint32_t DbfFields::memoBlockOfOtherForm(RecordView record, int n, const FieldDescriptor& field) const {
  if (!header().isVisualFoxPro()) {
    const std::string_view raw(record.image() + field.offset, static_cast<std::size_t>(field.width));
    std::uint32_t block = 0;
    std::size_t i = 0;
    // Eight blanks at a time: most records of a table have no memo at all.
    constexpr std::uint64_t kEightBlanks = 0x2020202020202020ULL;
    for (std::uint64_t eight = 0; i + 8 <= raw.size(); i += 8) {
      std::memcpy(&eight, raw.data() + i, 8);
      if (eight != kEightBlanks) break;
    }
    while (i < raw.size() && raw[i] == ' ') ++i;
    if (i == raw.size()) return 0;
    if (raw.size() - i <= 9) {
      std::size_t j = i;
      for (; j < raw.size() && raw[j] >= '0' && raw[j] <= '9'; ++j) block = block * 10 + (raw[j] - '0');
      if (j == raw.size()) return block;
    }
    // Some writers leave a field of NUL bytes where there is no memo.
    if (raw.find_first_not_of(std::string_view(" \0", 2)) == std::string_view::npos) return 0;
  }
  double value = -1;
  try {
    value = fieldAsFloat(record, n);
  } catch (const EDbfError&) {
    // reported below as a pointer, which is what the field holds
  }
  if (value == 0) return 0;
  // Read as "no memo", a damaged pointer would lose the text without a word.
  if (!(value >= 1) || value > 4294967295.0) {
    throw EDbfError("Invalid memo block number in field %s",
                    {fieldErrorName(n, text::trimSpacesRight(fieldRawText(record, n)))});
  }
  return static_cast<std::uint32_t>(value);
}

std::unique_ptr<DbtMemo> DbfFields::openMemoReader() const {
  const MemoKind kind = header().memoKind() == MemoKind::None ? MemoKind::Fpt : header().memoKind();
  auto memo = openMemoFile(kind, openMemo_(kind));
  memo->setReadAhead(true, ReadAheadBuffer::kScanTargetSize);
  return memo;
}

DbtMemo& DbfFields::memoFile() const {
  if (!memo_) {
    const MemoKind kind = header().memoKind() == MemoKind::None ? MemoKind::Fpt : header().memoKind();
    memo_ = openMemoFile(kind, openMemo_(kind));
  }
  memo_->setReadAhead(readAhead());
  return *memo_;
}

std::uint32_t DbfFields::memoLength(RecordView record, int n) const {
  const std::uint32_t block = memoBlock(record, n);
  if (block == 0) return 0;
  return memoFile().memoLength(block);
}

void DbfFields::readMemoInto(RecordView record, int n, std::string& text) const {
  const std::uint32_t block = memoBlock(record, n);
  if (block == 0) {
    text.clear();
    return;
  }
  memoFile().readMemoInto(block, text);
}

std::string DbfFields::memoText(RecordView record, int n) const {
  const std::uint32_t block = memoBlock(record, n);
  if (block == 0) return {};
  return memoFile().readMemoText(block);
}

}  // namespace kestrin::dbf
