#include "cli/startup_tables.h"

namespace kestrin::cli {

const Choices<archive::Level>& levelChoices() {
  using archive::Level;
  static const Choices<Level> choices = {
      {"fond", Level::Fonds}, {"opis", Level::Inventories}, {"delo", Level::Files}, {"doc", Level::Documents},
      {"0", Level::Fonds},    {"1", Level::Inventories},    {"2", Level::Files},    {"3", Level::Documents}};
  return choices;
}

void openStartupTables(app::BaseTables& tables, const std::string& base, bool all) {
  app::openBaseTables(tables, base, [](std::string_view) {});
  if (!all) return;
  if (tables.fond.active()) tables.fond.setFiltered(false);
  if (tables.opis.active()) tables.opis.setFiltered(false);
}

}  // namespace kestrin::cli
