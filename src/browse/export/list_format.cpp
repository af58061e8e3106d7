#include "browse/export/list_format.h"

#include "text/cp1251_utf8.h"

namespace kestrin::browse {

namespace {

void appendTextCell(std::string& line, std::string_view cell) {
  for (std::size_t i = 0; i < cell.size(); ++i) {
    const char c = cell[i];
    if (c == '\r' && i + 1 < cell.size() && cell[i + 1] == '\n') continue;  // CR LF is one break
    line += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
  }
}

void appendCsvCell(std::string& line, std::string_view cell) {
  const std::string utf8 = text::cp1251ToUtf8(cell);
  if (utf8.find_first_of(",\"\t\r\n") == std::string::npos) {
    line += utf8;
    return;
  }
  line += '"';
  for (const char c : utf8) {
    if (c == '"') line += '"';
    line += c;
  }
  line += '"';
}

}  // namespace

std::string_view listPreamble(ListFormat format) {
  return format == ListFormat::csv ? std::string_view("\xEF\xBB\xBF") : std::string_view();
}

std::string listLine(ListFormat format, const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (format == ListFormat::text) {
      if (i > 0) line += '\t';
      appendTextCell(line, cells[i]);
    } else {
      if (i > 0) line += ',';
      appendCsvCell(line, cells[i]);
    }
  }
  line += "\r\n";
  return line;
}

}  // namespace kestrin::browse
