#include "browse/card/highlight.h"

#include "archive/format/text_cleanup.h"
#include "archive/text/text_positions.h"

namespace kestrin::browse {

std::vector<std::string> highlightWords(const CardQuery& query) {
  switch (query.mode) {
    case HighlightMode::Number:
      return {};
    case HighlightMode::Phrase:
      return {query.text};
    case HighlightMode::AllWords:
    case HighlightMode::AnyWord:
      break;
  }
  const std::string text = archive::collapseSpaces(query.text) + " ";
  std::vector<std::string> words;
  std::size_t start = 0;
  for (std::size_t space = text.find(' '); space != std::string::npos; space = text.find(' ', start)) {
    words.push_back(text.substr(start, space - start));
    start = space + 1;
  }
  return words;
}

namespace {

// Marks every occurrence of each word in `line`, then turns the marks into runs.
std::vector<HighlightRun> runsOf(const std::string& line, const std::vector<std::string>& words) {
  constexpr int kNone = -1;
  std::vector<int> colourOf(line.size(), kNone);
  bool any = false;
  for (std::size_t w = 0; w < words.size(); ++w) {
    const int colour = static_cast<int>(w % kHighlightColours.size());
    const archive::Pos length = archive::length(words[w]);
    for (archive::Pos p = archive::posFromNoCase(words[w], line, 1); p != 0;
         p = archive::posFromNoCase(words[w], line, p + 1)) {
      for (archive::Pos i = p - 1; i < p - 1 + length; ++i) colourOf[static_cast<std::size_t>(i)] = colour;
      any = true;
    }
  }
  std::vector<HighlightRun> runs;
  if (!any) return runs;
  for (std::size_t i = 0; i < colourOf.size();) {
    std::size_t end = i + 1;
    while (end < colourOf.size() && colourOf[end] == colourOf[i]) ++end;
    if (colourOf[i] != kNone) {
      runs.push_back(HighlightRun{static_cast<int>(i), static_cast<int>(end),
                                  kHighlightColours[static_cast<std::size_t>(colourOf[i])]});
    }
    i = end;
  }
  return runs;
}

}  // namespace

void highlightCard(Card& card, const CardQuery& query) {
  const std::vector<std::string> words = highlightWords(query);
  for (CardLine& line : card.lines) line.spans = runsOf(line.text, words);
}

}  // namespace kestrin::browse
