// The base as the program has it right after opening: the nine cursors in
// their start-up state (fonds "A100=1" in fond number order when fond.cdx
// exists, inventories "G15=1", files and documents unfiltered), for the
// commands that act as the program does on a freshly opened base.
#pragma once

#include <string>

#include "app/base_tables.h"
#include "archive/columns/level_columns.h"
#include "cli/command_parser.h"

namespace kestrin::cli {

// LEVEL as the commands take it: fond, opis, delo, doc or 0..3.
const Choices<archive::Level>& levelChoices();

// Opens the tables of `base` as the program does at start; `all` starts with
// "Только в наличии" unchecked (no held-only filters). Tables whose files are
// missing stay closed. Throws the engine's errors.
void openStartupTables(app::BaseTables& tables, const std::string& base, bool all);

}  // namespace kestrin::cli
