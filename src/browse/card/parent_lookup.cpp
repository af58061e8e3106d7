#include "browse/card/parent_lookup.h"

#include "archive/model/record_key.h"
#include "archive/text/text_edit.h"

namespace kestrin::browse {
namespace {

// An entry holds for its key while its table stays open as it was read.
template <typename Entry>
bool remembered(const std::optional<Entry>& entry, const ParentTable& table, std::string_view key) {
  return entry && table.current() && archive::recordKeyNumber(key) && entry->key == key;
}

std::string trimmed(const dbf::TableCursor& cursor, std::string_view field) {
  return archive::trimmedControls(cursor.fieldByName(field).asString());
}

}  // namespace

const FondEntry* ParentLookup::fond(std::string_view key) {
  if (remembered(fond_, fonds_, key)) return &*fond_;
  fond_.reset();
  const dbf::TableCursor* found = fonds_.find("KOD", key);
  if (!found) return nullptr;
  fond_ = FondEntry{std::string(key), trimmed(*found, "FKOD"), found->fieldByName("FNAME").asString(),
                    found->fieldByName("A1").asString()};
  return &*fond_;
}

const OpisEntry* ParentLookup::opis(std::string_view key) {
  if (remembered(opis_, inventories_, key)) return &*opis_;
  opis_.reset();
  const dbf::TableCursor* found = inventories_.find("KOD", key);
  if (!found) return nullptr;
  opis_ = OpisEntry{std::string(key), trimmed(*found, "OKOD"), trimmed(*found, "ONAME"),
                    found->fieldByName("FOND").asString()};
  return &*opis_;
}

const DeloEntry* ParentLookup::delo(std::string_view key) {
  if (remembered(delo_, files_, key)) return &*delo_;
  delo_.reset();
  const dbf::TableCursor* found = files_.find("KOD", key);
  if (!found) return nullptr;
  delo_ = DeloEntry{std::string(key), trimmed(*found, "L1"), found->fieldByName("OPIS").asString()};
  return &*delo_;
}

void ParentLookup::prepare() {
  fonds_.prepare("KOD");
  inventories_.prepare("KOD");
  inventories_.prepare("FOND");
  files_.prepare("KOD");
}

const dbf::TableCursor* ParentLookup::firstInventoryOf(std::string_view fondKey) {
  return inventories_.find("FOND", fondKey);
}

}  // namespace kestrin::browse
