#include "demo/demo_indexes.h"

namespace kestrin::demo {
namespace {

// Character keys compared byte by byte (MACHINE): record keys and numbers are
// right-aligned, so byte order is number order; "UPPER(FNAME)" sorts titles
// without regard to case.
constexpr DemoTag kTags[] = {
    {"FOND.CDX", "FOND.DBF", "FKOD", "FKOD", 8},     {"FOND.CDX", "FOND.DBF", "NAME", "UPPER(FNAME)", 100},
    {"DELO.CDX", "DELO.DBF", "DELO", "OPIS+L1", 17}, {"DOCUM.CDX", "DOCUM.DBF", "DELO", "DELO", 7},
    {"FOND3.CDX", "FOND3.DBF", "FOND", "FOND", 7},   {"OPIS2.CDX", "OPIS2.DBF", "OPIS", "OPIS", 7},
};

}  // namespace

std::span<const DemoTag> demoTags() { return kTags; }

dbf::CdxTagInput TagKeys::take(std::uint32_t recordCount) {
  dbf::CdxTagInput input;
  input.name = std::string(tag_.name);
  input.keyExpression = std::string(tag_.expression);
  input.keyType = dbf::CdxKeyType::Character;
  input.keyLength = tag_.keyLength;
  input.recordCount = recordCount;
  input.keys = std::move(keys_);
  keys_ = {};
  return input;
}

void writeDemoIndex(const std::filesystem::path& folder, std::string_view indexFile,
                    std::vector<dbf::CdxTagInput> tags) {
  dbf::writeCdxFile(folder / indexFile, tags);
}

}  // namespace kestrin::demo
