// The search text on its way from the box to the filter: the blank test,
// the normalisation of the word and number modes, the case flag and the
// cutting into words. Texts are Windows-1251.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "search/quick/mode_buttons.h"

namespace kestrin::search {

// Trimmed at both ends (codes up to the blank) with every run of blanks
// reduced to one blank.
std::string trimmedCollapsed(std::string_view text);

// True when the text holds nothing above the blank: nothing to search for.
bool isBlankQuery(std::string_view text);

// Every `"`, `,`, `.`, `:`, `;`, `(`, `)` made a blank, then every run of
// blanks reduced to one blank (the ends are not trimmed).
std::string normalisedQuery(std::string_view text);

// True when the query holds a capital letter: the search then tells case.
bool isCaseSensitiveQuery(std::string_view query);

// The query with one blank appended, cut at each blank, left to right: an
// empty word stands for each blank with nothing before it.
std::vector<std::string> queryWords(std::string_view query);

// What a search takes from the box: the query the filter is built from, the
// case flag, and the history after both passes.
struct PreparedQuery {
  std::string query;
  bool caseInsensitive = true;
  std::vector<std::string> history;
};

// Steps from the box text to the query: normalisation (not in phrase mode),
// the first history pass with the normalised text, the case flag, the
// word modes' query trimmed and collapsed, the second history pass.
PreparedQuery prepareQuery(std::string_view boxText, SearchMode mode, std::vector<std::string> history);

}  // namespace kestrin::search
