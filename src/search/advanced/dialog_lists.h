// The captions, lists and enabling of the dialog "Расширенный поиск" for each
// level: rules the dialog applies when it is shown, kept here so that the
// command line and the tests see the same lists. Windows-1251.
#pragma once

#include <string>
#include <vector>

#include "archive/columns/level_columns.h"

namespace kestrin::search {

// Items of "Движение": "(все)", the five movements, "не наличие".
inline constexpr int kMoveNotPresent = 6;
std::vector<std::string> moveItems();
// Items of "Тип": "(все)", the ten types, "смеш.(упр+л/с)".
inline constexpr int kTypeMixed = 11;
std::vector<std::string> typeItems();
// Items of the category list of `level`: categories, values or document kinds.
std::vector<std::string> categoryItems(archive::Level level);

struct DialogLook {
  std::string caption;         // "Расширенный поиск по фондам"
  std::string categoryLabel;   // "Категория" / "Ценность"
  std::string predCaption;     // may hold a line break
  std::string predHint;        // empty: leave the hint as it was
  std::string docTextCaption;  // "Примечание" / "Текст документа"
  std::string docTextHint;     // empty: leave as it was
  std::string rubricCaption;   // "Рубрикатор" / "Рубрикатор описи"
  bool moveEnabled = false;
  bool predEnabled = false;
  bool keywordsEnabled = false;
  bool renameEnabled = false;
  bool typeEnabled = false;
  bool rubricEnabled = false;
  bool docTextEnabled = false;
  bool categoryEnabled = false;
};

DialogLook dialogLook(archive::Level level);

}  // namespace kestrin::search
