// The frame's rules without a display: page texts and steps, the levels the
// pages show, the status count, the command bar and type-to-search.
#include "app/frame/level_pages.h"

#include <gtest/gtest.h>

#include <string>

#include "app/frame/command_bar_items.h"
#include "app/frame/frame_keys.h"
#include "text/cp1251_utf8.h"

namespace kestrin::app {
namespace {

using text::cp1251ToUtf8;

TEST(LevelPages, CaptionsAndHeaders) {
  const char* const captions[] = {"Фонд", "Опись", "Дело", "Документ", "Фото", "", "О программе"};
  const char* const headers[] = {"Список фондов",      "Список описей",     "Список дел",
                                 "Список документов",  "Список фотографий", "",
                                 "О программе Кестрин"};
  for (int page = 0; page < kPageCount; ++page) {
    EXPECT_EQ(cp1251ToUtf8(pageInfo(page).caption), captions[page]);
    EXPECT_EQ(cp1251ToUtf8(pageInfo(page).header), headers[page]);
    EXPECT_EQ(pageInfo(page).hasTable, isLevelPage(page));
  }
}

TEST(LevelPages, LevelOfEachPage) {
  using archive::Level;
  const std::optional<Level> levels[] = {Level::Fonds, Level::Inventories, Level::Files, Level::Documents,
                                         std::nullopt, std::nullopt,       std::nullopt};
  for (int page = 0; page < kPageCount; ++page) EXPECT_EQ(levelOfPage(page), levels[page]) << page;
  EXPECT_EQ(levelOfPage(-1), std::nullopt);
  EXPECT_EQ(levelOfPage(kPageCount), std::nullopt);
}

TEST(LevelPages, AltArrowsWrapOverTheLevelPages) {
  const int previous[] = {3, 0, 1, 2, 3, 3, 3};
  const int next[] = {1, 2, 3, 0, 0, 0, 0};
  for (int page = 0; page < kPageCount; ++page) {
    EXPECT_EQ(previousLevelPage(page), previous[page]) << page;
    EXPECT_EQ(nextLevelPage(page), next[page]) << page;
  }
}

TEST(LevelPages, RecordCountText) {
  const std::pair<int, const char*> cases[] = {{0, "Нет записей"},         {7, "Записей: 7"},
                                               {999, "Записей: 999"},      {1000, "Записей: 1 000"},
                                               {12345, "Записей: 12 345"}, {1234567, "Записей: 1 234 567"}};
  for (const auto& [count, expected] : cases) EXPECT_EQ(cp1251ToUtf8(recordCountText(true, count)), expected);
  EXPECT_EQ(cp1251ToUtf8(recordCountText(false, 5)), "Количество записей неизвестно. См. настройки.");
  EXPECT_EQ(cp1251ToUtf8(recordCountText(false, 0)), "Количество записей неизвестно. См. настройки.");
  EXPECT_EQ(cp1251ToUtf8(countingRecordsText(3059)), "Записей: не более 3 059 (подсчёт...)");
}

TEST(CommandBar, PanelsAndTheActiveMark) {
  const auto panels = commandBarPanels();
  ASSERT_EQ(panels.size(), 4u);
  EXPECT_EQ(cp1251ToUtf8(panels[0].header), "Разделы");
  EXPECT_EQ(panels[1].shownOnPage, 0);
  EXPECT_EQ(panels[3].items.size(), 7u);
  const BarItem& opis = panels[0].items[1];
  EXPECT_EQ(cp1251ToUtf8(modeLabelCaption(opis, 1)), "Опись •");
  EXPECT_EQ(cp1251ToUtf8(modeLabelCaption(opis, 2)), "Опись");
  EXPECT_EQ(panels[0].items[4].page, 4);
}

TEST(FrameKeys, TypeToSearchCharacters) {
  for (char c : std::string("09AZaz")) EXPECT_TRUE(startsTypeToSearch(c)) << c;
  for (const char* letter : {"Ё", "ё", "А", "я", "Ж"}) EXPECT_TRUE(startsTypeToSearch(text::utf8ToCp1251(letter)[0]));
  for (char c : std::string(" -+.,/*\t")) EXPECT_FALSE(startsTypeToSearch(c)) << c;
  for (const char* other : {"№", "«", "—"}) EXPECT_FALSE(startsTypeToSearch(text::utf8ToCp1251(other)[0]));
}

}  // namespace
}  // namespace kestrin::app
