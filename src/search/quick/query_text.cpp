#include "search/quick/query_text.h"

#include <algorithm>

#include "archive/format/text_cleanup.h"
#include "archive/text/text_edit.h"
#include "search/quick/level_search.h"
#include "text/cp1251_case.h"

namespace kestrin::search {

std::string trimmedCollapsed(std::string_view text) { return archive::collapseSpaces(archive::trimmedControls(text)); }

bool isBlankQuery(std::string_view text) { return archive::isBlank(text); }

std::string normalisedQuery(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == '"' || c == ',' || c == '.' || c == ':' || c == ';' || c == '(' || c == ')') c = ' ';
  }
  return archive::collapseSpaces(out);
}

bool isCaseSensitiveQuery(std::string_view query) { return text::lower1251(query) != query; }

std::vector<std::string> queryWords(std::string_view query) {
  std::vector<std::string> words;
  const std::string text = std::string(query) + ' ';
  std::size_t start = 0;
  for (std::size_t blank = text.find(' '); blank != std::string::npos; blank = text.find(' ', start)) {
    words.push_back(text.substr(start, blank - start));
    start = blank + 1;
  }
  return words;
}

namespace {

// The first pass looks the text up without regard to case and keeps an
// entry found at the top, so the top may then hold it twice; the second
// pass removes every exact repetition of the query.
void firstHistoryPass(std::vector<std::string>& history, const std::string& text) {
  const auto found = std::find_if(history.begin(), history.end(),
                                  [&](const std::string& entry) { return text::equalsNoCase1251(entry, text); });
  if (found != history.end() && found != history.begin()) history.erase(found);
  history.insert(history.begin(), text);
}

void secondHistoryPass(std::vector<std::string>& history, const std::string& query) {
  std::erase(history, query);
  history.insert(history.begin(), query);
}

}  // namespace

PreparedQuery prepareQuery(std::string_view boxText, SearchMode mode, std::vector<std::string> history) {
  PreparedQuery prepared;
  const std::string text = mode == SearchMode::Phrase ? std::string(boxText) : normalisedQuery(boxText);
  firstHistoryPass(history, text);
  // The "Ф." that "Искать в этом фонде" writes names the fond, not a word:
  // its capital does not make the words tell case.
  const bool fondPrefix = mode == SearchMode::Phrase && splitFondPrefix(text).present;
  prepared.caseInsensitive = !isCaseSensitiveQuery(fondPrefix ? std::string_view(text).substr(2) : text);
  // The box shows the normalised text now; the word modes read it back trimmed.
  const bool wordMode = mode == SearchMode::AllWords || mode == SearchMode::AnyWord;
  prepared.query = wordMode ? trimmedCollapsed(text) : text;
  secondHistoryPass(history, prepared.query);
  prepared.history = std::move(history);
  return prepared;
}

}  // namespace kestrin::search
