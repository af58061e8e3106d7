// Every line of each card kind over the crafted base, with what the card
// sets around it (caption, status bar, the left panel's labels).
#include <gtest/gtest.h>

#include "browse/card/card_fixture.h"

namespace kestrin::browse::testing {
namespace {

using archive::Level;

struct CardCase {
  const char* name;
  Level level;
  int recno;
  std::vector<std::string> lines;
  std::optional<std::string> caption;
  std::array<std::string, 2> status;
};

void PrintTo(const CardCase& c, std::ostream* out) { *out << c.name; }

class CardLinesTest : public CardFixture, public ::testing::WithParamInterface<CardCase> {};

TEST_P(CardLinesTest, WritesEveryLineWithItsAttributes) {
  const CardCase& c = GetParam();
  const auto card = cardOf(c.level, c.recno);
  ASSERT_TRUE(card);
  EXPECT_EQ(listing(*card), c.lines);
  EXPECT_EQ(card->caption ? std::optional(text::cp1251ToUtf8(*card->caption)) : std::nullopt, c.caption);
  EXPECT_EQ(text::cp1251ToUtf8(card->status[0]), c.status[0]);
  EXPECT_EQ(text::cp1251ToUtf8(card->status[1]), c.status[1]);
}

INSTANTIATE_TEST_SUITE_P(
    Cards, CardLinesTest,
    ::testing::Values(
        CardCase{"FondWithRenamingsAndTopography",
                 Level::Fonds,
                 1,
                 {"+2b- Ф.12.",
                  "+2b- Колхоз «Заря» Ярославского района",
                  "+2-- Кол-во описей: 2",
                  "+2-- Тип документации: упр.",
                  "+2-- Крайние даты: 1920–1925",
                  "+2-- Кол-во дел: 1 234 (по описям 1 200)",
                  "+2-- Неописанных дел нет.",
                  "+2-- Номер хранилища: К-7",
                  "+2-- ",
                  "+2b- Историческая справка",
                  "+2-- Создан в 1920 г.",
                  "+2-- Ликвидирован в 1925 г.",
                  "+2-- ",
                  "+2b- Аннотация",
                  "0-g отсутствует.",
                  "+2-- ",
                  "+2b- Переименования",
                  "+2-- Крайние даты: 1920–1922",
                  "+2-- Коммуна «Заря»",
                  "+2-- Коммуна",
                  "+2-- ",
                  "+2-- ",
                  "+2-- Дата: 1923",
                  "+2-- Артель",
                  "+2-- Арт.",
                  "+2-- ",
                  "+2-- ",
                  "+2-- "},
                 std::nullopt,
                 {"Ф.12", ""}},
        CardCase{"FondOfPersonalOriginWithStorageList",
                 Level::Fonds,
                 2,
                 {"+2b- Ф.р-7.", "+2b- Иванов Иван Иванович", "+2-- Кол-во описей: 0", "+2-- Тип документации: л/п",
                  "+2-- Крайние даты: б/д", "+2-- Кол-во дел: 5 (по описям то же)",
                  "+2-- Кол-во неописанных дел: 1 500", "+2-- Номера хранилищ: А-1, А-2", "+2-- ",
                  "+2b- Историческая справка", "0-g отсутствует.", "+2-- ", "+2b- Аннотация", "+2-- Письма «с фронта»",
                  "+2-- ", "+2b- Переименования", "0-g отсутствуют. Это фонд личного происхождения.", "+2-- "},
                 std::nullopt,
                 {"Ф.р-7", ""}},
        CardCase{"FondWithoutStorage",
                 Level::Fonds,
                 3,
                 {"+2b- Ф.13.", "+2b- ", "+2-- Кол-во описей: 0", "+2-- Тип документации: ", "+2-- Крайние даты: б/д",
                  "+2-- Кол-во дел: 0 (по описям то же)", "+2-- Неописанных дел нет.",
                  "+2-g Номер хранилища неизвестен.", "+2-- ", "+2b- Историческая справка", "0-g отсутствует.", "+2-- ",
                  "+2b- Аннотация", "0-g отсутствует.", "+2-- ", "+2b- Переименования", "0-g отсутствуют.", "+2-- "},
                 std::nullopt,
                 {"Ф.13", ""}},
        CardCase{"InventoryWithVolume",
                 Level::Inventories,
                 1,
                 {"+2b- Ф.12. Оп.12. Т.3.", "+2b- Опись дел N1", "+2-- Тип документации: упр.",
                  "+2-- Крайние даты: 1920–1925", "+2-- Кол-во дел: 40", "+2-- ", "+2b- Аннотация",
                  "+2-- Предисловие к «описи»", "+2-- "},
                 "Ф.12. Оп.12. Т.3",
                 {"Ф.12. Оп.12. Т.3", "Колхоз \"Заря\" Ярославского района"}},
        CardCase{"InventoryWithoutVolume",
                 Level::Inventories,
                 2,
                 {"+2b- Ф.р-7. Оп.12.", "+2b- ", "+2-- Тип документации: ", "+2-- Крайние даты: б/д",
                  "+2-- Кол-во дел: 0", "+2-- ", "+2b- Аннотация", "0-g отсутствует.", "+2-- "},
                 "Ф.р-7. Оп.12",
                 {"Ф.р-7. Оп.12", "Иванов Иван Иванович"}},
        CardCase{"FileOfPhotographsWithUnknownColour",
                 Level::Files,
                 1,
                 {"10b- Ф.12. Оп.12. Т.3. Д.45", "10b- Дело № 5", "10-- Тип документации: фото",
                  "10-- Крайние даты: 1920–1925", "10-- Кол-во листов: 120", "10-- ", "10-- Место съёмки: Ярославль",
                  "10-- Автор съёмки: н/д", "10-- Цветность: н/д", "10-- Размер фотодокумента: 9x12"},
                 "Ф.12. Оп.12. Т.3. Д.45",
                 {"Ф.12. Оп.12. Т.3. Д.45", "Фонд \"Заря\""}},
        CardCase{"FileOfPhotographsWithoutCharacteristicsAndOnlyFirstDate",
                 Level::Files,
                 2,
                 {"10b- Ф.р-7. Оп.12. Д.46", "10b- Фотографии", "10-- Тип документации: фото",
                  "10-- Дата: ", "10-- Кол-во листов: 0"},
                 "Ф.р-7. Оп.12. Д.46",
                 {"Ф.р-7. Оп.12. Д.46", "Иванов И.И."}},
        CardCase{"FileWithDateFields",
                 Level::Files,
                 3,
                 {"10b- Ф.12. Оп.12. Т.3. Д.47", "10b- Приказы", "10-- Тип документации: упр.",
                  "10-- Крайние даты: 05.03.1920–02.01.1921", "10-- Кол-во листов: 7"},
                 "Ф.12. Оп.12. Т.3. Д.47",
                 {"Ф.12. Оп.12. Т.3. Д.47", "Фонд \"Заря\""}},
        CardCase{"DocumentWithDateText",
                 Level::Documents,
                 1,
                 {"10b- Ф.12. Оп.12. Т.3. Д.45", "10b- Приказ «О заготовках»", "10-- Дата: 5 мая 1920"},
                 "Ф.12. Оп.12. Т.3. Д.45",
                 {"Ф.12. Оп.12. Т.3. Д.45", "Фонд \"Заря\""}},
        CardCase{"DocumentWithDateField",
                 Level::Documents,
                 2,
                 {"10b- Ф.12. Оп.12. Т.3. Д.47", "10b- ", "10-- Дата: 02.01.1921"},
                 "Ф.12. Оп.12. Т.3. Д.47",
                 {"Ф.12. Оп.12. Т.3. Д.47", "Фонд \"Заря\""}},
        CardCase{"DocumentWithoutDate",
                 Level::Documents,
                 4,
                 {"10b- Ф.р-7. Оп.12. Д.46", "10b- ", "10-- Дата: б/д"},
                 "Ф.р-7. Оп.12. Д.46",
                 {"Ф.р-7. Оп.12. Д.46", "Иванов И.И."}},
        // Broken links: the record's own lines and a grey note, never another record's parent.
        CardCase{"InventoryOfAMissingFond",
                 Level::Inventories,
                 3,
                 {"+2b- Ф.?. Оп.5.", "+2b- ", "0-g Фонд этой описи не найден в базе.",
                  "+2-- Тип документации: ", "+2-- Крайние даты: б/д", "+2-- Кол-во дел: 0", "+2-- ", "+2b- Аннотация",
                  "0-g отсутствует.", "+2-- "},
                 "Ф.?. Оп.5",
                 {"Ф.?. Оп.5", ""}},
        CardCase{"FileOfAMissingInventory",
                 Level::Files,
                 4,
                 {"10b- Ф.?. Оп.?. Д.48", "10b- ", "10-g Опись этого дела не найдена в базе.",
                  "10-- Тип документации: ", "10-- Дата: ", "10-- Кол-во листов: 0"},
                 "Ф.?. Оп.?. Д.48",
                 {"Ф.?. Оп.?. Д.48", ""}},
        CardCase{"DocumentOfAMissingFile",
                 Level::Documents,
                 3,
                 {"10b- Ф.?. Оп.?. Д.?", "10b- ", "10-g Дело этого документа не найдено в базе.", "10-- Дата: б/д"},
                 "Ф.?. Оп.?. Д.?",
                 {"Ф.?. Оп.?. Д.?", ""}}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace kestrin::browse::testing
