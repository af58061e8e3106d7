#include "browse/navigation/navigation_moves.h"

#include <array>

#include "text/cp1251_literal.h"

namespace kestrin::browse {

using namespace text::literals;

const MoveTexts& moveTexts(Move move) {
  static constexpr std::array<MoveTexts, 6> kMoves = {{
      {"Поиск описей фонда..."_cp1251, "Список описей фонда."_cp1251, 1},
      {"Поиск дел описи..."_cp1251, "Список дел описи."_cp1251, 2},
      {"Поиск документов дела..."_cp1251, "Список документов дела."_cp1251, 3},
      {"Поиск фондов описей..."_cp1251, "Список фондов описей."_cp1251, 0},
      {"Поиск описей дел..."_cp1251, "Список описей дел."_cp1251, 1},
      {"Поиск описей дел..."_cp1251, "Список фондов дел."_cp1251, 0},
  }};
  return kMoves[static_cast<std::size_t>(move)];
}

std::string_view fondsOfFilesSecondStep() { return "Поиск фондов дел..."_cp1251; }

std::string_view noInventoriesStatus() { return "В фонде нет описей."_cp1251; }

std::string_view noFilterStatus() { return "Без фильтра."_cp1251; }

}  // namespace kestrin::browse
