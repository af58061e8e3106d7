#include "app/frame/level_pages.h"

#include <array>

#include "archive/format/text_cleanup.h"
#include "text/cp1251_literal.h"

namespace kestrin::app {

using namespace text::literals;

const PageInfo& pageInfo(int index) {
  static const std::array<PageInfo, kPageCount> kPages = {{
      {"Фонд"_cp1251, "Список фондов"_cp1251, true},
      {"Опись"_cp1251, "Список описей"_cp1251, true},
      {"Дело"_cp1251, "Список дел"_cp1251, true},
      {"Документ"_cp1251, "Список документов"_cp1251, true},
      {"Фото"_cp1251, "Список фотографий"_cp1251, false},
      {"", "", false},
      {"О программе"_cp1251, "О программе Кестрин"_cp1251, false},
  }};
  return kPages[static_cast<std::size_t>(index >= 0 && index < kPageCount ? index : kUnusedPage)];
}

std::optional<archive::Level> levelOfPage(int page) {
  if (!isLevelPage(page)) return std::nullopt;
  return kLevels[static_cast<std::size_t>(page)];
}

int previousLevelPage(int current) { return current > kFondPage && current <= kDocPage ? current - 1 : kDocPage; }

int nextLevelPage(int current) { return current >= kFondPage && current < kDocPage ? current + 1 : kFondPage; }

std::string recordCountText(bool countRecords, int count) {
  if (!countRecords) return std::string("Количество записей неизвестно. См. настройки."_cp1251);
  if (count == 0) return std::string("Нет записей"_cp1251);
  return std::string("Записей: "_cp1251) + archive::groupThousands(std::to_string(count));
}

std::string countingRecordsText(int atMost) {
  return std::string("Записей: не более "_cp1251) + archive::groupThousands(std::to_string(atMost)) +
         std::string(" (подсчёт...)"_cp1251);
}

}  // namespace kestrin::app
