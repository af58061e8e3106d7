// The left command bar: the "Разделы" panel that switches level pages, and
// one panel of commands for each of the fond, inventory and file pages.
// Texts are Windows-1251.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kestrin::app {

enum class BarCommand {
  showPage,  // the page named by `page`
  showAll,   // show all (drill-down)
  fondInventories,
  fondNumbers,
  properties,
  inventoryFiles,
  inventoryFonds,
  fileDocuments,
  fileInventories,
  fileFonds,
};

struct BarItem {
  std::string_view name;  // the label's component name
  std::string_view caption;
  std::string_view hint;  // empty: none
  BarCommand command;
  int page;  // for showPage
};

struct BarPanel {
  std::string_view name;
  std::string_view header;
  std::span<const BarItem> items;
  int shownOnPage;  // -1: always shown
};

// "Разделы" first, then the panels of pages 0, 1, 2.
std::span<const BarPanel> commandBarPanels();

// The caption of a "Разделы" label: the active page's ends in " •".
std::string modeLabelCaption(const BarItem& item, int activePage);

}  // namespace kestrin::app
