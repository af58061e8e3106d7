#include "search/advanced/dialog_lists.h"

#include "archive/model/code_tables.h"
#include "text/cp1251_literal.h"

namespace kestrin::search {

using namespace text::literals;
using archive::Level;

namespace {

constexpr std::string_view kAll = "(все)"_cp1251;

std::vector<std::string> list(std::initializer_list<std::string_view> items) { return {items.begin(), items.end()}; }

}  // namespace

std::vector<std::string> moveItems() {
  std::vector<std::string> items = list({kAll});
  for (const auto& movement : archive::movementCodes()) items.emplace_back(movement.label);
  items.emplace_back("не наличие"_cp1251);
  return items;
}

std::vector<std::string> typeItems() {
  return list({kAll, "упр."_cp1251, "л/п"_cp1251, "НТД"_cp1251, "л/с"_cp1251, "кино"_cp1251, "фото"_cp1251,
               "фоно"_cp1251, "видео"_cp1251, "МЧД"_cp1251, "м/ф-подл"_cp1251, "смеш.(упр+л/с)"_cp1251});
}

std::vector<std::string> categoryItems(Level level) {
  switch (level) {
    case Level::Fonds:
    case Level::Inventories:
      return list({kAll, "0", "1", "2", "3"});
    case Level::Files:
      return list({kAll, "ценные"_cp1251, "ОЦД"_cp1251, "уник."_cp1251, "ОЦД+уник."_cp1251});
    case Level::Documents:
      break;
  }
  std::vector<std::string> items = list({kAll});
  for (const std::string_view kind : archive::documentKinds()) items.emplace_back(kind);
  return items;
}

DialogLook dialogLook(Level level) {
  DialogLook look;
  const int n = static_cast<int>(level);
  look.moveEnabled = n <= 1;
  // The annotation of files (L5, where the full title also lives) and of
  // documents (T3) is searched when its box is checked, so the box is there to
  // be checked on every level.
  look.predEnabled = true;
  look.keywordsEnabled = n == 0 || n == 2;
  look.renameEnabled = n == 0;
  look.typeEnabled = n <= 2;
  look.rubricEnabled = n == 2;
  look.docTextEnabled = n == 3;
  // Document kinds (T7) are searched as well.
  look.categoryEnabled = true;
  look.rubricCaption = "Рубрикатор"_cp1251;
  look.docTextCaption = "Примечание"_cp1251;
  switch (level) {
    case Level::Fonds:
      look.caption = "Расширенный поиск по фондам"_cp1251;
      look.categoryLabel = "Категория"_cp1251;
      look.predCaption = "Предисловие"_cp1251;
      look.predHint = "Историческая справка и аннотация к фонду"_cp1251;
      break;
    case Level::Inventories:
      look.caption = "Расширенный поиск по описям"_cp1251;
      look.categoryLabel = "Категория"_cp1251;
      look.predCaption = "Аннотация"_cp1251;
      look.predHint = "Предисловие (аннотация) к описи"_cp1251;
      break;
    case Level::Files:
      look.caption = "Расширенный поиск по делам"_cp1251;
      look.categoryLabel = "Ценность"_cp1251;
      look.predCaption = "Аннотация\rЗдесь также хранится полный заголовок дела"_cp1251;
      look.docTextHint = "Примечание к делу"_cp1251;
      look.rubricCaption = "Рубрикатор описи"_cp1251;
      break;
    case Level::Documents:
      look.caption = "Расширенный поиск по документам"_cp1251;
      look.categoryLabel = "Ценность"_cp1251;
      look.predCaption = "Аннотация"_cp1251;
      look.predHint = "Аннотация документа"_cp1251;
      look.docTextCaption = "Текст документа"_cp1251;
      look.docTextHint = "Примечание и полный текст документа"_cp1251;
      break;
  }
  return look;
}

}  // namespace kestrin::search
