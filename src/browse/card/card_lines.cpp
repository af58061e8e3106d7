#include "browse/card/card_lines.h"

namespace kestrin::browse {

void CardLines::add(std::string_view text, LineStyle style) {
  auto push = [&](std::string_view line) {
    card_.lines.push_back(CardLine{std::string(line), style.bold, style.size, style.colour, {}});
  };
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    push(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  push(text.substr(start));
}

}  // namespace kestrin::browse
