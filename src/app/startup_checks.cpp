#include "app/startup_checks.h"

#include "app/folders.h"
#include "dbf/base/file_name.h"
#include "text/cp1251_literal.h"
#include "text/cp1251_utf8.h"

namespace kestrin::app {

using namespace text::literals;

std::string_view programCaption() { return "Кестрин"_cp1251; }

std::string_view programTitle() { return "Кестрин 5.0"_cp1251; }

std::optional<std::string> missingBaseFileCaption(const std::string& baseFolder) {
  for (const char* name : {"Fond.dbf", "Opis.dbf", "Delo.dbf", "Docum.dbf"}) {
    if (dbf::fileExistsNoCase(baseFolder, name)) continue;
    return std::string("Файл "_cp1251) + "\"" + text::utf8ToCp1251(baseFolder) + name + "\"" +
           std::string(" не найден."_cp1251);
  }
  return std::nullopt;
}

}  // namespace kestrin::app
