#include "search/quick/search_log.h"

#include <filesystem>
#include <fstream>

#include "text/cp1251_literal.h"

namespace kestrin::search {

using namespace text::literals;
namespace fs = std::filesystem;

std::string searchLogHeader() { return std::string("Дата/Время\tРаздел\tЛогика\tЗапрос"_cp1251) + "\r\n"; }

std::string_view searchLogLogic(const ModeButtons& buttons) {
  if (buttons.checkedAndEnabled(SearchMode::AllWords)) return "A";
  if (buttons.checkedAndEnabled(SearchMode::AnyWord)) return "O";
  if (buttons.checkedAndEnabled(SearchMode::Number)) return "N";
  return "";
}

std::string searchLogLine(std::string_view dateTime, int page, const ModeButtons& buttons, std::string_view boxText) {
  std::string line(dateTime);
  line += '\t' + std::to_string(page + 1) + '\t';
  line += searchLogLogic(buttons);
  line += '\t';
  line += boxText;
  return line + "\r\n";
}

bool appendSearchLog(const std::string& path, std::string_view line) {
  if (path.empty()) return false;
  std::error_code error;
  const fs::path file(path);
  if (file.has_parent_path()) fs::create_directories(file.parent_path(), error);
  const bool isNew = !fs::exists(file, error) || fs::file_size(file, error) == 0;
  std::ofstream out(file, std::ios::binary | std::ios::app);
  if (!out) return false;
  if (isNew) out << searchLogHeader();
  out << line;
  out.flush();
  return static_cast<bool>(out);
}

}  // namespace kestrin::search
