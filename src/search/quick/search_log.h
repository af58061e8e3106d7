// The search log: one tab-separated line per quick search, Windows-1251
// with CR LF, under a header line written when the file is new.
#pragma once

#include <string>
#include <string_view>

#include "search/quick/mode_buttons.h"

namespace kestrin::search {

// "Дата/Время\tРаздел\tЛогика\tЗапрос" with CR LF.
std::string searchLogHeader();

// The letter of the "Логика" column: "A", "O", "N" for all words, any word
// and number when checked and enabled, else nothing.
std::string_view searchLogLogic(const ModeButtons& buttons);

// One line with CR LF: the date and time as the person's settings write it,
// the page index plus one, the logic letter and the box text as typed.
std::string searchLogLine(std::string_view dateTime, int page, const ModeButtons& buttons, std::string_view boxText);

// Appends `line` to the log at `path` (the header first when the file is
// new or empty, its folder made when missing). False when the log cannot
// be written; the search goes on regardless.
bool appendSearchLog(const std::string& path, std::string_view line);

}  // namespace kestrin::search
