// The CDX indexes of the demo base: which tags each index file holds, their
// key expressions, and the keys gathered while the tables are written.
//
// A key written here must be exactly what the program's expression engine
// gives for the tag's key expression on that record: the cursor finds a
// record's place in the tag by evaluating the expression.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "archive/model/archive_tables.h"
#include "dbf/writer/cdx_writer.h"

namespace kestrin::demo {

struct DemoTag {
  std::string_view indexFile;   // "DELO.CDX"
  std::string_view tableFile;   // "DELO.DBF"
  std::string_view name;        // "DELO"
  std::string_view expression;  // "OPIS+L1"
  std::uint16_t keyLength;
};

// FOND.CDX (FKOD, NAME), DELO.CDX (DELO), DOCUM.CDX (DELO), FOND3.CDX (FOND),
// OPIS2.CDX (OPIS); tags of one file next to each other.
std::span<const DemoTag> demoTags();

// The keys of one tag, kept until the index file is written.
class TagKeys {
 public:
  explicit TagKeys(const DemoTag& tag) : tag_(tag) {}
  void add(std::string key, std::uint32_t recNo) { keys_.push_back({std::move(key), recNo}); }
  const DemoTag& tag() const { return tag_; }
  // The writer's input for a table of `recordCount` records; the keys move out.
  dbf::CdxTagInput take(std::uint32_t recordCount);

 private:
  const DemoTag& tag_;
  std::vector<dbf::CdxKeyEntry> keys_;
};

// Writes `indexFile` into `folder` with the tags given, in that order.
void writeDemoIndex(const std::filesystem::path& folder, std::string_view indexFile,
                    std::vector<dbf::CdxTagInput> tags);

}  // namespace kestrin::demo
