#include "browse/navigation/show_all.h"

#include <array>

#include "archive/format/text_cleanup.h"
#include "archive/model/code_tables.h"
#include "text/cp1251_literal.h"

namespace kestrin::browse {

using namespace text::literals;

namespace {

void showAllOf(dbf::TableCursor& list, std::string_view heldFilter, bool heldOnly) {
  if (heldOnly) {
    setListFilter(list, std::string(heldFilter));
    return;
  }
  const ControlsDisabled quiet(list);
  list.setFilter("");
  list.setFiltered(false);
}

}  // namespace

void showAll(LevelCursors& cursors, bool heldOnly) {
  showAllOf(cursors.fond, archive::kFondsPresentFilter, heldOnly);
  showAllOf(cursors.opis, archive::kInventoriesPresentFilter, heldOnly);
  setChildListFilter(cursors.delo, "", false);
  setChildListFilter(cursors.doc, "", false);
}

std::string_view showAllPageStatus(int page) {
  static constexpr std::array<std::string_view, 4> kTexts = {"Все фонды."_cp1251, "Все описи."_cp1251,
                                                             "Все дела."_cp1251, "Все документы."_cp1251};
  return page >= 0 && page < 4 ? kTexts[static_cast<std::size_t>(page)] : std::string_view();
}

OnlyAvailableResult applyOnlyAvailable(LevelCursors& cursors, int page, bool checked) {
  if (page == 0) {
    if (checked) {
      setListFilter(cursors.fond, std::string(archive::kFondsPresentFilter));
      return {"Показаны фонды в наличии."_cp1251, true};
    }
    cursors.fond.setFiltered(false);
    return {"Показаны все фонды."_cp1251, true};
  }
  if (page == 1) {
    if (checked) {
      setListFilter(cursors.opis, std::string(archive::kInventoriesPresentFilter));
      return {"Показаны описи в наличии."_cp1251, true};
    }
    cursors.opis.setFiltered(false);
    return {"Показаны все описи."_cp1251, true};
  }
  return {"Доступно только для фондов и описей."_cp1251, false};
}

std::string onlyAvailableCountText(int count) {
  if (count == 0) return std::string("Нет записей."_cp1251);
  return std::string("Записей: "_cp1251) + archive::groupThousands(std::to_string(count));
}

}  // namespace kestrin::browse
