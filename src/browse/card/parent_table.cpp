#include "browse/card/parent_table.h"

namespace kestrin::browse {
namespace {

// What a cursor of the same table needs: the level cursor's table and fields.
struct TableShape {
  std::string databaseName;
  std::string tableName;
  dbf::LargeIntegerAs largeIntegerAs;
  std::vector<std::pair<std::string, dbf::FieldType>> fields;
};

TableShape shapeOf(const dbf::TableCursor& level) {
  TableShape shape{level.databaseName(), level.tableName(), level.largeIntegerAs(), {}};
  for (const auto& field : level.fields()) shape.fields.emplace_back(field.name(), field.type());
  return shape;
}

std::unique_ptr<dbf::TableCursor> openLike(const TableShape& shape) {
  auto cursor = std::make_unique<dbf::TableCursor>();
  cursor->setDatabaseName(shape.databaseName);
  cursor->setTableName(shape.tableName);
  cursor->setLargeIntegerAs(shape.largeIntegerAs);
  // The same fields as the level cursor, so that the card reads them alike.
  for (const auto& [name, type] : shape.fields) cursor->declareField(name, type);
  cursor->open();
  return cursor;
}

KeyedRecords buildMap(dbf::TableCursor& cursor, std::string_view field) {
  KeyedRecords map;
  map.build(cursor.table(), cursor.fieldByName(field).fieldNo());
  return map;
}

}  // namespace

void ParentTable::follow() {
  if (current()) return;
  pending_.clear();  // waits for builds of the earlier opening, then drops them
  maps_.clear();
  own_ = openLike(shapeOf(level_));
  generation_ = level_.openGeneration();
}

void ParentTable::prepare(std::string_view field) {
  if (!level_.active()) return;
  follow();
  if (maps_.contains(field) || pending_.contains(field)) return;
  // The worker reads through a cursor of its own: nothing is shared with this
  // thread but the immutable shape.
  pending_.emplace(std::string(field),
                   std::async(std::launch::async, [shape = shapeOf(level_), name = std::string(field)] {
                     auto cursor = openLike(shape);
                     return buildMap(*cursor, name);
                   }));
}

KeyedRecords& ParentTable::mapOf(std::string_view field) {
  auto it = maps_.find(field);
  if (it != maps_.end()) return it->second;
  KeyedRecords map;
  if (auto pending = pending_.find(field); pending != pending_.end()) {
    auto build = std::move(pending->second);
    pending_.erase(pending);
    try {
      map = build.get();
    } catch (const std::exception&) {
      map = buildMap(*own_, field);  // the worker's error, if real, comes again here
    }
  } else {
    map = buildMap(*own_, field);
  }
  return maps_.emplace(std::string(field), std::move(map)).first->second;
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
