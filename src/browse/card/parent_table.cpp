#include "browse/card/parent_table.h"

namespace kestrin::browse {

void ParentTable::follow() {
  if (current()) return;
  maps_.clear();
  own_ = std::make_unique<dbf::TableCursor>();
  own_->setDatabaseName(level_.databaseName());
  own_->setTableName(level_.tableName());
  own_->setLargeIntegerAs(level_.largeIntegerAs());
  // The same fields as the level cursor, so that the card reads them alike.
  for (const auto& field : level_.fields()) own_->declareField(field.name(), field.type());
  own_->open();
  generation_ = level_.openGeneration();
}

KeyedRecords& ParentTable::mapOf(std::string_view field) {
  auto it = maps_.find(field);
  if (it == maps_.end()) {
    KeyedRecords map;
    map.build(own_->table(), own_->fieldByName(field).fieldNo());
    it = maps_.emplace(std::string(field), std::move(map)).first;
  }
  return it->second;
}

bool ParentTable::holds(const KeyedRecords& map, std::string_view field, int recno, std::string_view key) {
  own_->gotoRecNo(recno);
  if (own_->isDeleted()) return false;
  const int fieldNo = own_->fieldByName(field).fieldNo();
  return map.matches(own_->table().fieldRawText(own_->record(), fieldNo), key);
}

const dbf::TableCursor* ParentTable::find(std::string_view field, std::string_view key) {
  if (!level_.active()) return nullptr;
  follow();
  KeyedRecords* map = &mapOf(field);
  auto found = map->find(key);
  // Another program may append to the table, or change or delete a record,
  // while it is open: records appended are mapped on a miss, and a record that
  // no longer holds its key has the map made again.
  if (!found && map->extend(own_->table())) found = map->find(key);
  if (found && !holds(*map, field, *found, key)) {
    maps_.erase(maps_.find(field));
    map = &mapOf(field);
    found = map->find(key);
    if (found && !holds(*map, field, *found, key)) found.reset();
  }
  if (!found) return nullptr;
  own_->gotoRecNo(*found);
  return own_.get();
}

}  // namespace kestrin::browse
