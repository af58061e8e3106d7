#include "dbf/table/dbf_header.h"

#include <cstdio>
#include <utility>

#include "dbf/base/coding.h"

namespace kestrin::dbf {
namespace {

// The header, then the descriptors' terminator byte.
constexpr int kMinimumHeaderLength = 33;
// Visual FoxPro keeps the path of its database container after the terminator.
constexpr int kBacklinkLength = 263;

[[noreturn]] void fail(const std::string& fileName, std::string detail) {
  throw EDbfHeaderInvalid(fileName, std::move(detail));
}

std::string hexByte(std::uint8_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", value);
  return text;
}

}  // namespace

DbfHeader DbfHeader::decode(const unsigned char* bytes, const unsigned char* limit, const std::string& fileName) {
  if (limit - bytes < static_cast<std::ptrdiff_t>(kSize)) {
    fail(fileName, "header of " + std::to_string(limit - bytes) + " bytes, " + std::to_string(kSize) + " needed");
  }
  DbfHeader header;
  header.version_ = bytes[0];
  switch (header.version_) {
    case 0x03:
    case 0x04:
    case 0x30:
    case 0x83:
    case 0x8B:
    case 0xF5:
      break;
    default:
      fail(fileName, "version byte " + hexByte(header.version_) + " is not a known table version");
  }
  if (bytes[15] != 0) throw EDbfEncryption("No Password for encrypted file %s", {fileName});
  header.headerLength_ = decodeLE16(bytes + 8);
  header.recordLength_ = decodeLE16(bytes + 10);
  header.tableFlags_ = bytes[28];
  if (header.headerLength_ < kMinimumHeaderLength) {
    fail(fileName, "header length " + std::to_string(header.headerLength_) + " is smaller than " +
                       std::to_string(kMinimumHeaderLength) + " (header and terminator)");
  }
  if (header.isVisualFoxPro() && header.headerLength_ < kMinimumHeaderLength + kBacklinkLength) {
    fail(fileName, "header length " + std::to_string(header.headerLength_) +
                       " of a Visual FoxPro table is smaller than " +
                       std::to_string(kMinimumHeaderLength + kBacklinkLength) + " (header, terminator and backlink)");
  }
  // The record count divides by it.
  if (header.recordLength_ == 0) fail(fileName, "record length 0");
  return header;
}

MemoKind DbfHeader::memoKind() const {
  switch (version_) {
    case 0x83:
      return MemoKind::Dbt3;
    case 0x8B:
      return MemoKind::Dbt4;
    case 0xF5:
      return MemoKind::Fpt;
    case 0x30:
      return (tableFlags_ & 0x02) ? MemoKind::Fpt : MemoKind::None;
    default:
      return MemoKind::None;
  }
}

int DbfHeader::descriptorAreaLength() const {
  return static_cast<int>(headerLength_) - kMinimumHeaderLength - (isVisualFoxPro() ? kBacklinkLength : 0);
}

// Writers end the descriptors with 0x0D and size the header and the record to
// fit them exactly (dBASE may add one 0x00 after the terminator; Visual FoxPro
// keeps its backlink there). Anything else shifts every field of every record.
void DbfHeader::checkLayoutEnd(const unsigned char* area, const unsigned char* limit, int count, int recordEnd,
                               const std::string& fileName) const {
  const std::ptrdiff_t terminator = static_cast<std::ptrdiff_t>(count) * 32;
  if (limit - area <= terminator || area[terminator] != 0x0D) {
    fail(fileName, "no terminator 0x0D after the " + std::to_string(count) + " descriptors the header length " +
                       std::to_string(headerLength_) + " makes room for");
  }
  if (recordEnd != recordLength_) {
    fail(fileName, "the fields fill " + std::to_string(recordEnd) + " bytes of each record, the header says " +
                       std::to_string(recordLength_));
  }
  if (isVisualFoxPro()) return;
  for (const unsigned char* p = area + terminator + 1; p < limit; ++p) {
    if (*p != 0x00) {
      fail(fileName, "header length " + std::to_string(headerLength_) + " does not end at the terminator (byte " +
                         std::to_string(DbfHeader::kSize + terminator) + "): byte " +
                         std::to_string(DbfHeader::kSize + (p - area)) + " holds " + hexByte(*p));
    }
  }
}

std::vector<FieldDescriptor> DbfHeader::decodeFields(const unsigned char* area, const unsigned char* limit,
                                                     const std::string& fileName) const {
  // The descriptors end at the terminator; some writers leave room for more
  // (FoxPro 2 sizes the header of an 0xF5 table as Visual FoxPro does).
  const int count = fieldCount();
  if (limit - area < static_cast<std::ptrdiff_t>(count) * 32) {
    fail(fileName, "descriptor area of " + std::to_string(limit - area) + " bytes, " + std::to_string(count * 32) +
                       " needed for " + std::to_string(count) + " fields");
  }
  std::vector<FieldDescriptor> fields;
  fields.reserve(static_cast<std::size_t>(count));
  auto named = [](const FieldDescriptor& field) {
    return "field " + std::to_string(field.number) + " (" + field.name + ")";
  };
  int offset = 1;
  int i = 0;
  for (; i < count && area[32 * i] != 0x0D; ++i) {
    const unsigned char* d = area + 32 * i;
    FieldDescriptor field;
    std::size_t nameLength = 0;
    while (nameLength < 11 && d[nameLength] != 0) ++nameLength;
    field.name.assign(reinterpret_cast<const char*>(d), nameLength);
    field.type = static_cast<char>(d[11]);
    if (field.type == 'C') {
      // Wide character fields keep the high byte of their width in the decimal slot.
      field.width = d[16] + 256 * d[17];
      field.decimals = 0;
    } else {
      field.width = d[16];
      field.decimals = d[17];
    }
    field.offset = offset;
    field.number = i + 1;
    if (field.width == 0) fail(fileName, named(field) + " has length 0");
    offset += field.width;
    if (offset > recordLength_) {
      fail(fileName, "field " + std::to_string(field.number) + " ends at byte " + std::to_string(offset) +
                         ", beyond the record length " + std::to_string(recordLength_));
    }
    fields.push_back(std::move(field));
  }
  checkLayoutEnd(area, limit, i, offset, fileName);
  return fields;
}

}  // namespace kestrin::dbf
