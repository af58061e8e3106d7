#include "browse/card/caret_word.h"

#include <algorithm>

#include "text/char_classes.h"

namespace kestrin::browse {

namespace {

bool cyrillicAt(std::string_view text, std::size_t i) {
  return text::chars::isCyrillic(static_cast<unsigned char>(text[i]));
}

}  // namespace

std::string cyrillicWordAt(std::string_view text, int caret) {
  std::size_t start = static_cast<std::size_t>(std::clamp(caret, 0, static_cast<int>(text.size())));
  while (start > 0 && cyrillicAt(text, start - 1)) --start;
  std::size_t end = start;
  while (end < text.size() && cyrillicAt(text, end)) ++end;
  return std::string(text.substr(start, end - start));
}

}  // namespace kestrin::browse
