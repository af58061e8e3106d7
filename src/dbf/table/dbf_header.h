// The 32-byte table header and the 32-byte field descriptors of a DBF file,
// decoded against a pointer and a limit and checked as they are decoded.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dbf/base/errors.h"
#include "dbf/base/memo_kind.h"

namespace kestrin::dbf {

// A table header that cannot be laid out: "Table Header for %s is invalid".
class EDbfHeaderInvalid : public EDbfDamaged {
 public:
  EDbfHeaderInvalid(std::string_view fileName, std::string detail)
      : EDbfDamaged("Table Header for %s is invalid", fileName, std::move(detail)) {}
};

// One field as its descriptor gives it, with the offset computed from the
// widths of the fields before it.
struct FieldDescriptor {
  std::string name;  // at most 10 characters, as stored
  char type = ' ';   // type letter
  int width = 0;     // bytes in the record
  int decimals = 0;  // 0 for C fields, whose high width byte shares the slot
  int offset = 0;    // from the start of the record (byte 0 is the deletion flag)
  int number = 0;    // 1-based position in the descriptor array
};

class DbfHeader {
 public:
  static constexpr std::size_t kSize = 32;

  DbfHeader() = default;

  // Decodes the header in [bytes, limit) and checks that a table can be laid
  // out by it; `fileName` names the file in the messages. Throws
  // EDbfHeaderInvalid (fewer than 32 bytes, an unknown version byte, a header
  // length too small for the header, the descriptor terminator and the
  // Visual FoxPro backlink area, a record length of 0) and EDbfEncryption for
  // an encrypted table.
  static DbfHeader decode(const unsigned char* bytes, const unsigned char* limit, const std::string& fileName);

  std::uint8_t version() const { return version_; }
  // Bytes before the first record.
  std::uint16_t headerLength() const { return headerLength_; }
  // Bytes of one record, its deletion flag included; never 0.
  std::uint16_t recordLength() const { return recordLength_; }
  bool isVisualFoxPro() const { return version_ == 0x30; }
  MemoKind memoKind() const;

  // Length of the descriptor area, which starts at byte 32: what lies between
  // the header and the first record, less the terminator (and the 263-byte
  // backlink area of Visual FoxPro tables). Never negative.
  int descriptorAreaLength() const;
  // Whole descriptors that area makes room for; the fields are those before
  // the terminator.
  int fieldCount() const { return descriptorAreaLength() / 32; }

  // Decodes the descriptors in [area, limit), the rest of the header after
  // its first 32 bytes, up to the terminator 0x0D (at most fieldCount()),
  // computing offsets from 1. Throws
  // EDbfHeaderInvalid when the area is short, a field has length 0 or ends
  // beyond the record, the fields do not fill the record length exactly, the
  // terminator 0x0D does not follow the last descriptor, or bytes other than
  // 0x00 lie between it and the first record (a header length too large: the
  // records would be read shifted).
  std::vector<FieldDescriptor> decodeFields(const unsigned char* area, const unsigned char* limit,
                                            const std::string& fileName) const;

 private:
  void checkLayoutEnd(const unsigned char* area, const unsigned char* limit, int count, int recordEnd,
                      const std::string& fileName) const;

  std::uint8_t version_ = 0;
  std::uint16_t headerLength_ = 0;
  std::uint16_t recordLength_ = 0;
  std::uint8_t tableFlags_ = 0;
};

}  // namespace kestrin::dbf
