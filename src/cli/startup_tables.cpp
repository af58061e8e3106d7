#include "cli/startup_tables.h"

namespace kestrin::cli {

std::optional<archive::Level> levelByName(std::string_view name) {
  using archive::Level;
  if (name == "fond" || name == "0") return Level::Fonds;
  if (name == "opis" || name == "1") return Level::Inventories;
  if (name == "delo" || name == "2") return Level::Files;
  if (name == "doc" || name == "3") return Level::Documents;
  return std::nullopt;
}

void openStartupTables(app::BaseTables& tables, const std::string& base, bool all) {
  app::openBaseTables(tables, base, [](std::string_view) {});
  if (!all) return;
  if (tables.fond.active()) tables.fond.setFiltered(false);
  if (tables.opis.active()) tables.opis.setFiltered(false);
}

}  // namespace kestrin::cli
