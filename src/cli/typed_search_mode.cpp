#include "cli/typed_search_mode.h"

#include "archive/format/numbers.h"
#include "archive/format/text_cleanup.h"
#include "archive/text/text_edit.h"
#include "text/char_classes.h"

namespace kestrin::cli {
namespace {

using browse::HighlightMode;

// One edit of the box: the mode buttons adjusted to the text now in it.
HighlightMode afterEdit(HighlightMode checked, std::string_view boxText) {
  const std::string text = archive::collapseSpaces(archive::trimmedControls(boxText));
  const bool hasBlank = text.find(' ') != std::string::npos;
  bool hasDigit = false;
  int letters = 0;
  for (char c : text) {
    const int code = static_cast<unsigned char>(c);
    hasDigit = hasDigit || text::chars::isDigit(code);
    if (text::chars::isLetter(code)) ++letters;
  }
  const auto number = archive::wholeNumber(text);
  if (number && *number != 0) checked = HighlightMode::Number;
  const bool numberChecked = checked == HighlightMode::Number && letters <= 2;
  // A number button that is unchecked, or checked but disabled (no digit).
  if (!numberChecked || !hasDigit) return hasBlank ? HighlightMode::AllWords : HighlightMode::Phrase;
  return checked;
}

}  // namespace

HighlightMode typedSearchMode(std::string_view text) {
  HighlightMode mode = HighlightMode::Phrase;
  for (std::size_t typed = 1; typed <= text.size(); ++typed) mode = afterEdit(mode, text.substr(0, typed));
  return mode;
}

}  // namespace kestrin::cli
