#include "browse/card/renamings.h"

#include "archive/format/text_cleanup.h"
#include "browse/card/card_parts.h"
#include "text/cp1251_literal.h"

namespace kestrin::browse {

using namespace text::literals;

namespace {

std::optional<dbf::CivilDate> dateOf(const dbf::TableCursor& cursor, std::string_view name) {
  return cursor.fieldByName(name).asDate();
}

std::string renamingBlock(const dbf::TableCursor& rename, const dbf::RegionalSettings& regional) {
  const auto from = dateOf(rename, "C3");
  const auto to = dateOf(rename, "C5");
  std::string block;
  if (!from && !to) {
    block = "Дата: б/д"_cp1251;
  } else if (from && to) {
    block = std::string("Крайние даты: "_cp1251) + renamingYear(*from, regional) + std::string("–"_cp1251) +
            renamingYear(*to, regional);
  } else {
    block = std::string("Дата: "_cp1251) + renamingYear(from ? *from : *to, regional);
  }
  block += "\r\n" + archive::stripControls(fieldText(rename, "C1")) + "\r\n" +
           archive::stripControls(fieldText(rename, "C2")) + "\r\n";
  return block;
}

}  // namespace

std::string renamingYear(const dbf::CivilDate& date, const dbf::RegionalSettings& regional) {
  const std::string text = shortDateText(date, regional);
  return text.size() == 10 ? text.substr(6) : text;
}

std::string renamingsText(dbf::TableCursor& rename, std::string_view fondKey, const dbf::RegionalSettings& regional) {
  const auto filter = keyFilter("FOND", fondKey);
  if (!filter) return {};
  rename.setFilter(*filter);
  rename.setFiltered(true);
  std::string text;
  std::string previous;
  for (rename.first(); !rename.eof(); rename.next()) {
    std::string block = renamingBlock(rename, regional);
    if (block == previous) continue;
    text += block + "\r\n\r\n";
    previous = std::move(block);
  }
  return text;
}

}  // namespace kestrin::browse
