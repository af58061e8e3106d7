#include "archive/demo/demo_tables.h"

#include <stdexcept>

#include "archive/demo/demo_schema.h"

namespace kestrin::archive::demo {
namespace {

constexpr DemoTableFile kTableFiles[] = {
    {"FOND.DBF", ArchiveCursor::Fond},       {"OPIS.DBF", ArchiveCursor::Opis},
    {"DELO.DBF", ArchiveCursor::Delo},       {"DOCUM.DBF", ArchiveCursor::Doc},
    {"FOND3.DBF", ArchiveCursor::Rename},    {"OPIS2.DBF", ArchiveCursor::Top},
    {"DELO5.DBF", ArchiveCursor::DeloPhoto}, {"RUBRIKA2.DBF", ArchiveCursor::Rubr},
    {"PERSONA1.DBF", ArchiveCursor::Temp},   {"GEOGRAF1.DBF", ArchiveCursor::Temp},
    {"TEMATIK1.DBF", ArchiveCursor::Temp},   {"PERSONA2.DBF", ArchiveCursor::Temp},
    {"GEOGRAF2.DBF", ArchiveCursor::Temp},   {"TEMATIK2.DBF", ArchiveCursor::Temp},
};

}  // namespace

std::span<const DemoTableFile> demoTableFiles() { return kTableFiles; }

DemoTable::DemoTable(const std::filesystem::path& folder, std::string_view fileName, ArchiveCursor cursor)
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

}  // namespace kestrin::archive::demo
