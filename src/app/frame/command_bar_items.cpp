#include "app/frame/command_bar_items.h"

#include <array>

#include "text/cp1251_literal.h"

namespace kestrin::app {

using namespace text::literals;

namespace {

using C = BarCommand;

constexpr std::array kModeItems = {
    BarItem{"lbFond", "Фонд"_cp1251, "Перейти в раздел Фонд"_cp1251, C::showPage, 0},
    BarItem{"lbOpis", "Опись"_cp1251, "Перейти в раздел Опись"_cp1251, C::showPage, 1},
    BarItem{"lbDelo", "Дело"_cp1251, "Перейти в раздел Дело"_cp1251, C::showPage, 2},
    BarItem{"lbDoc", "Документ"_cp1251, "Перейти в раздел Документ"_cp1251, C::showPage, 3},
    BarItem{"lbPhoto", "Фото"_cp1251, "Перейти в раздел Фото"_cp1251, C::showPage, 4},
};

constexpr std::array kFondItems = {
    BarItem{"Label11", "Показать все"_cp1251, "Показать все фонды"_cp1251, C::showAll, 0},
    BarItem{"lbFondOpis", "Описи фонда"_cp1251, "Показать описи выбранного фонда"_cp1251, C::fondInventories, 0},
    BarItem{"lbFondNums", "Номера фондов"_cp1251, "", C::fondNumbers, 0},
    BarItem{"lbFondProp", "Свойства"_cp1251, "Показать свойста выбранного фонда"_cp1251, C::properties, 0},
};

constexpr std::array kOpisItems = {
    BarItem{"Label12", "Показать все"_cp1251, "Показать все описи"_cp1251, C::showAll, 1},
    BarItem{"lbOpisFondNum", "Ф.1"_cp1251, "Показать информацию о фонде"_cp1251, C::showPage, 0},
    BarItem{"lbOpisDelo", "Дела описи"_cp1251, "Показать дела выбранной описи"_cp1251, C::inventoryFiles, 1},
    BarItem{"lbl1", "Фонды описей"_cp1251, "Показать фонды выбранных описей"_cp1251, C::inventoryFonds, 1},
    BarItem{"lbOpisProp", "Свойства"_cp1251, "Показать свойста выбранной описи"_cp1251, C::properties, 1},
};

constexpr std::array kDeloItems = {
    BarItem{"Label15", "Показать все"_cp1251, "Показать все дела"_cp1251, C::showAll, 2},
    BarItem{"lbDeloFondNum", "Ф.1"_cp1251, "Показать информацию о фонде"_cp1251, C::showPage, 0},
    BarItem{"lbDeloOpisNum", "Оп.1"_cp1251, "Показать информацию об описи"_cp1251, C::showPage, 1},
    BarItem{"lbDeloDoc", "Документы дела"_cp1251, "Показать документы выбранного дела"_cp1251, C::fileDocuments, 2},
    BarItem{"lblDeloOpis", "Описи дел"_cp1251, "Показать описи выбранных дел"_cp1251, C::fileInventories, 2},
    BarItem{"lblDeloFond", "Фонд дел"_cp1251, "Показать фонды выбранных дел"_cp1251, C::fileFonds, 2},
    BarItem{"lbDeloProp", "Свойства"_cp1251, "", C::properties, 2},
};

constexpr std::array kPanels = {
    BarPanel{"pnxpMode", "Разделы"_cp1251, kModeItems, -1},
    BarPanel{"pnxpFond", "Фонды"_cp1251, kFondItems, 0},
    BarPanel{"pnxpOpis", "Описи"_cp1251, kOpisItems, 1},
    BarPanel{"pnxpDelo", "Дела"_cp1251, kDeloItems, 2},
};

}  // namespace

std::span<const BarPanel> commandBarPanels() { return kPanels; }

std::string modeLabelCaption(const BarItem& item, int activePage) {
  std::string caption(item.caption);
  if (item.page == activePage) caption += " \x95";  // " •"
  return caption;
}

}  // namespace kestrin::app
