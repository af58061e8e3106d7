// The 32-byte table header and the 32-byte field descriptors of a DBF file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrin::dbf {

enum class MemoKind { None, Dbt3, Dbt4, Fpt };

struct DbfHeader {
  static constexpr std::size_t kSize = 32;

  std::uint8_t version = 0;
  std::uint16_t headerLength = 0;
  std::uint16_t recordLength = 0;
  bool encrypted = false;
  std::uint8_t tableFlags = 0;

  // Decodes the header bytes and checks the version byte; `fileName` names the
  // file in the messages. Throws "Table Header for %s is invalid" for an
  // unknown version and EDbfEncryption for an encrypted table.
  static DbfHeader decode(const unsigned char* bytes, const std::string& fileName);

  bool isVisualFoxPro() const { return version == 0x30; }
  MemoKind memoKind() const;
  // Length of the descriptor area: what lies between the header and the first
  // record, less the terminator (and the 263-byte backlink area of 0x30 tables).
  int descriptorAreaLength() const;
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

// Decodes `count` descriptors from `area`, computing offsets from 1.
std::vector<FieldDescriptor> decodeFieldDescriptors(const unsigned char* area, int count);

}  // namespace kestrin::dbf
