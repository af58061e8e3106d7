// The last step of the start: the four level tables must be in the base folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrin::app {

// The program's captions (Windows-1251).
std::string_view programCaption();  // "Кестрин"
std::string_view programTitle();    // "Кестрин 5.0", also the task bar text

// The caption naming the first of "Fond.dbf", "Opis.dbf", "Delo.dbf",
// "Docum.dbf" missing from `baseFolder` (a UTF-8 path), for instance
// Файл "/base/Fond.dbf" не найден. ; nothing when all four are there.
std::optional<std::string> missingBaseFileCaption(const std::string& baseFolder);

}  // namespace kestrin::app
