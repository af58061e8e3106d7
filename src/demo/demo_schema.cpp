#include "demo/demo_schema.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace kestrin::demo {
namespace {

using dbf::FieldSpec;
using dbf::FieldType;

struct TextWidth {
  std::string_view name;
  int width;
};

// The widths of the character fields; the other types have fixed layouts.
constexpr TextWidth kTextWidths[] = {
    // FOND.DBF
    {"KOD", 7},
    {"FKOD", 8},
    {"FNAME", 100},
    {"A8", 1},
    {"A10", 1},
    {"A12", 36},
    {"A13", 70},
    {"A105", 15},
    {"A111", 15},
    {"A112", 15},
    {"A113", 15},
    {"A114", 15},
    {"A115", 15},
    // OPIS.DBF
    {"FOND", 7},
    {"OKOD", 8},
    {"G4", 1},
    {"G6", 1},
    // DELO.DBF
    {"OPIS", 7},
    {"L1", 10},
    {"L2", 3},
    {"L3", 6},
    {"L4", 250},
    {"L6", 10},
    {"L10", 30},
    // DOCUM.DBF
    {"DELO", 7},
    {"T1", 17},
    {"T2", 250},
    {"T5", 30},
    {"T6", 60},
    {"T7", 20},
    {"T9", 30},
    {"T10", 10},
    {"T11", 10},
    {"T13", 250},
    {"T14", 30},
    {"T15", 20},
    // FOND3.DBF
    {"C2", 100},
    {"C4", 1},
    {"C6", 1},
    // OPIS2.DBF
    {"H1", 10},
    {"H2", 10},
    {"H3", 52},
    {"H4", 2},
    {"H5", 4},
    {"H6", 2},
    {"H7", 3},
    {"H8", 3},
    // DELO5.DBF
    {"O1", 50},
    {"O2", 50},
    {"O3", 10},
    {"O7", 10},
    // RUBRIKA2.DBF and the keyword tables
    {"RUBRIKA", 100},
    {"WORD", 50},
};

int textWidth(std::string_view name) {
  for (const TextWidth& t : kTextWidths) {
    if (t.name == name) return t.width;
  }
  throw std::logic_error("no demo width for the text field " + std::string(name));
}

FieldSpec specOf(const archive::DeclaredField& field) {
  const std::string name(field.name);
  switch (field.type) {
    case FieldType::String:
      return {name, 'C', textWidth(field.name), 0};
    case FieldType::SmallInt:
      return {name, 'N', 4, 0};
    case FieldType::Integer:
      return {name, 'N', 8, 0};
    case FieldType::Date:
      return {name, 'D', 8, 0};
    case FieldType::Boolean:
      return {name, 'L', 1, 0};
    case FieldType::Memo:
      return {name, 'M', 10, 0};
    default:
      throw std::logic_error("no demo layout for the field " + name);
  }
}

}  // namespace

std::vector<FieldSpec> demoFieldSpecs(archive::ArchiveCursor which) {
  std::vector<FieldSpec> specs;
  for (const archive::DeclaredField& field : archiveTable(which).fields) specs.push_back(specOf(field));
  return specs;
}

std::vector<FieldSpec> fondFields() { return demoFieldSpecs(archive::ArchiveCursor::Fond); }
std::vector<FieldSpec> opisFields() { return demoFieldSpecs(archive::ArchiveCursor::Opis); }
std::vector<FieldSpec> deloFields() { return demoFieldSpecs(archive::ArchiveCursor::Delo); }
std::vector<FieldSpec> documFields() { return demoFieldSpecs(archive::ArchiveCursor::Doc); }

}  // namespace kestrin::demo
