#include "browse/navigation/parent_key.h"

#include "archive/model/record_key.h"
#include "dbf/cursor/table_cursor.h"
#include "text/cp1251_literal.h"

namespace kestrin::browse {

using namespace text::literals;

std::string parentKeyOf(const dbf::TableCursor& parent) {
  const std::string& table = parent.tableName();
  if (!parent.active() || parent.isEmpty()) {
    std::string message("Не выбрана запись: список таблицы "_cp1251);
    message += table;
    message += " пуст."_cp1251;
    throw ParentKeyError(message);
  }
  const std::string key = parent.fieldByName("KOD").asString();
  if (const auto number = archive::recordKeyNumber(key)) return archive::recordKey(*number);
  std::string message("Код записи не является числом: таблица "_cp1251);
  message += table;
  message += ", запись № "_cp1251;
  message += std::to_string(parent.recNo());
  message += ", KOD \"";
  message += key;
  message += "\". Переход не выполнен."_cp1251;
  throw ParentKeyError(message);
}

std::string parentRestriction(std::string_view referenceField, std::string_view key) {
  std::string condition(referenceField);
  condition += "=\"";
  condition += key;
  condition += '"';
  return condition;
}

}  // namespace kestrin::browse
