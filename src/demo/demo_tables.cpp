#include "demo/demo_tables.h"

#include <stdexcept>

#include "demo/demo_schema.h"

namespace kestrin::demo {
namespace {

constexpr DemoTableFile kTableFiles[] = {
    {"FOND.DBF", archive::ArchiveCursor::Fond},       {"OPIS.DBF", archive::ArchiveCursor::Opis},
    {"DELO.DBF", archive::ArchiveCursor::Delo},       {"DOCUM.DBF", archive::ArchiveCursor::Doc},
    {"FOND3.DBF", archive::ArchiveCursor::Rename},    {"OPIS2.DBF", archive::ArchiveCursor::Top},
    {"DELO5.DBF", archive::ArchiveCursor::DeloPhoto}, {"RUBRIKA2.DBF", archive::ArchiveCursor::Rubr},
    {"PERSONA1.DBF", archive::ArchiveCursor::Temp},   {"GEOGRAF1.DBF", archive::ArchiveCursor::Temp},
    {"TEMATIK1.DBF", archive::ArchiveCursor::Temp},   {"PERSONA2.DBF", archive::ArchiveCursor::Temp},
    {"GEOGRAF2.DBF", archive::ArchiveCursor::Temp},   {"TEMATIK2.DBF", archive::ArchiveCursor::Temp},
};

}  // namespace

std::span<const DemoTableFile> demoTableFiles() { return kTableFiles; }

DemoTable::DemoTable(const std::filesystem::path& folder, std::string_view fileName, archive::ArchiveCursor cursor)
    : fields_(demoFieldSpecs(cursor)), writer_((folder / fileName).string(), fields_), values_(fields_.size()) {}

std::size_t DemoTable::column(std::string_view name) const {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    if (fields_[i].name == name) return i;
  }
  throw std::logic_error("the demo table has no field " + std::string(name));
}

void DemoTable::set(std::size_t column, dbf::FieldValue value) { values_.at(column) = std::move(value); }

std::uint32_t DemoTable::write(bool deleted) {
  writer_.addRecord(values_, deleted);
  if (deleted) ++deleted_;
  for (auto& value : values_) value = std::monostate{};
  return static_cast<std::uint32_t>(writer_.recordCount());
}

}  // namespace kestrin::demo
