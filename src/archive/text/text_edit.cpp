#include "archive/text/text_edit.h"

#include <algorithm>
#include <array>

#include "text/trims.h"

namespace kestrin::archive {

void insertAt(std::string& text, Pos p, std::string_view what) {
  const Pos at = std::clamp<Pos>(p, 1, length(text) + 1);
  text.insert(static_cast<std::size_t>(at - 1), what);
}

void deleteRange(std::string& text, Pos start, Pos count) {
  if (start < 1 || start > length(text) || count <= 0) return;
  const Pos available = length(text) - start + 1;
  text.erase(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(std::min(count, available)));
}

void removeChars(std::string& text, std::string_view set) {
  std::array<bool, 256> inSet{};
  for (const char c : set) inSet[static_cast<unsigned char>(c)] = true;
  std::erase_if(text, [&](char c) { return inSet[static_cast<unsigned char>(c)]; });
}

// The engine trims the same codes 0..32 (text::chars::isBlankOrControl).
std::string trimmedControls(std::string_view text) { return std::string(text::trimControls(text)); }

void trimControls(std::string& text) { text = trimmedControls(text); }

bool isBlank(std::string_view text) { return text::trimControlsRight(text).empty(); }

}  // namespace kestrin::archive
