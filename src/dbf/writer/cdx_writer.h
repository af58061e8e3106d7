// Writes CDX compound index files in the FoxPro compact format: a tag
// directory and any number of tags, each a B-tree of compact leaves. Used by
// the tests and the demo base, never on a base folder. The same input always
// gives the same bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "dbf/cdx/cdx_types.h"

namespace kestrin::dbf {

struct CdxKeyEntry {
  // Character tags: the key expression's text (at most keyLength bytes; the
  // writer pads it with blanks and, for GENERAL, turns it into weights).
  // Numeric and date tags: cdxNumberKeyBytes of the number or Julian day
  // (at most 8 bytes; padded with 0x00).
  std::string key;
  std::uint32_t recNo = 0;
};

struct CdxTagInput {
  std::string name;  // 1..10 bytes, stored upper-cased
  std::string keyExpression;
  std::string forExpression;  // empty: no FOR condition
  CdxKeyType keyType = CdxKeyType::Character;
  // Width of the key expression's value: the text width of character keys
  // (GENERAL keys are stored twice as long, so at most 120), 8 for numbers and dates.
  std::uint16_t keyLength = 10;
  bool descending = false;
  bool unique = false;  // keeps the first record of each key
  CdxCollation collation = CdxCollation::Machine;
  // Highest record number of the table, which sizes the record-number field
  // of the leaves; 0 takes the highest record number among the keys.
  std::uint32_t recordCount = 0;
  std::vector<CdxKeyEntry> keys;  // any order; the writer sorts them
};

// The bytes of a CDX file holding `tags`. Throws std::invalid_argument for
// input that does not fit the format (names, lengths, expressions).
std::string buildCdxImage(const std::vector<CdxTagInput>& tags);

// Writes buildCdxImage(tags) to `path`, replacing it. Throws
// std::runtime_error when the file cannot be written.
void writeCdxFile(const std::filesystem::path& path, const std::vector<CdxTagInput>& tags);

}  // namespace kestrin::dbf
