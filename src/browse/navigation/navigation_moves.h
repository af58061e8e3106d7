// The moves between level lists as the window runs them: the caption while
// searching, the caption with the result and the page shown afterwards.
// Texts are Windows-1251.
#pragma once

#include <string_view>

namespace kestrin::browse {

enum class Move {
  inventoriesOfFond,   // Фонд → Опись
  filesOfInventory,    // Опись → Дело
  documentsOfFile,     // Дело → Документ
  fondsOfInventories,  // Опись → Фонд
  inventoriesOfFiles,  // Дело → Опись
  fondsOfFiles,        // Дело → Опись → Фонд
};

struct MoveTexts {
  std::string_view searching;  // "Поиск описей фонда..."
  std::string_view done;       // "Список описей фонда."
  int targetPage;
};

const MoveTexts& moveTexts(Move move);

// The fonds of the listed files pass through the inventories: the caption
// of their second step.
std::string_view fondsOfFilesSecondStep();

// A fond counting no inventories, with the NalOpis setting on.
std::string_view noInventoriesStatus();

// "Показать все" ends with this status.
std::string_view noFilterStatus();

}  // namespace kestrin::browse
