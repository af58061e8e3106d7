// What the dialog "Расширенный поиск" holds: the states of its controls, as
// the dialog keeps them between openings and as the command-line tool sets
// them. Text is Windows-1251.
#pragma once

#include <string>

namespace kestrin::search {

// The text mode number: 2 all words, 1 any word, 0 phrase.
enum class TextMode { Phrase = 0, AnyWord = 1, AllWords = 2 };

struct AdvancedForm {
  bool useText = false;  // "Текст:"
  std::string text;      // the words, as typed
  TextMode mode = TextMode::Phrase;
  bool caseSensitive = false;  // "Учитывать регистр"
  bool name = true;            // "Название"
  bool pred = true;            // "Предисловие" / "Аннотация"
  bool rename = true;          // "Переименования"
  bool keywords = true;        // "Ключевые слова"
  bool rubric = true;          // "Рубрикатор описи"
  bool docText = true;         // "Текст документа" / "Примечание"
  int move = 0;                // item of "Движение"; 0 = "(все)"
  int type = 0;                // item of "Тип"
  int category = 0;            // item of "Категория" / "Ценность" / the document kinds
  bool useYears = false;       // "Годы:"
  std::string yearFrom = "1990";
  std::string yearTo = "2000";
  bool useSpecial = false;  // "Специальный фильтр:"
  std::string special;
};

}  // namespace kestrin::search
