#include "dbf/table/dbf_header.h"

#include "dbf/base/coding.h"
#include "dbf/base/errors.h"

namespace kestrin::dbf {

DbfHeader DbfHeader::decode(const unsigned char* bytes, const std::string& fileName) {
  DbfHeader header;
  header.version = bytes[0];
  switch (header.version) {
    case 0x03:
    case 0x04:
    case 0x30:
    case 0x83:
    case 0x8B:
    case 0xF5:
      break;
    default:
      throw EDbfError("Table Header for %s is invalid", {fileName});
  }
  header.headerLength = decodeLE16(bytes + 8);
  header.recordLength = decodeLE16(bytes + 10);
  header.encrypted = bytes[15] != 0;
  header.tableFlags = bytes[28];
  if (header.encrypted) throw EDbfEncryption("No Password for encrypted file %s", {fileName});
  return header;
}

MemoKind DbfHeader::memoKind() const {
  switch (version) {
    case 0x83:
      return MemoKind::Dbt3;
    case 0x8B:
      return MemoKind::Dbt4;
    case 0xF5:
      return MemoKind::Fpt;
    case 0x30:
      return (tableFlags & 0x02) ? MemoKind::Fpt : MemoKind::None;
    default:
      return MemoKind::None;
  }
}

int DbfHeader::descriptorAreaLength() const {
  return static_cast<int>(headerLength) - 33 - (isVisualFoxPro() ? 263 : 0);
}

std::vector<FieldDescriptor> decodeFieldDescriptors(const unsigned char* area, int count) {
  std::vector<FieldDescriptor> fields;
  fields.reserve(static_cast<std::size_t>(count));
  int offset = 1;
  for (int i = 0; i < count; ++i) {
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
    offset += field.width;
    fields.push_back(std::move(field));
  }
  return fields;
}

}  // namespace kestrin::dbf
