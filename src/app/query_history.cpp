#include "app/query_history.h"

#include <algorithm>

#include "app/settings_keys.h"

namespace kestrin::app {

namespace {

std::string trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<std::string> loadQueryHistory(const IniFile& settings) {
  std::vector<std::string> history;
  for (int i = 0; i < kSavedQueries; ++i) {
    std::string entry = trimmed(settings.readString(keys::kQuery, std::to_string(i), ""));
    if (!entry.empty()) history.push_back(std::move(entry));
  }
  return history;
}

void saveQueryHistory(IniFile& settings, const std::vector<std::string>& history) {
  const std::size_t count = std::min<std::size_t>(history.size(), kSavedQueries);
  for (std::size_t i = 0; i < count; ++i) {
    if (!history[i].empty()) settings.writeString(keys::kQuery, std::to_string(i), history[i]);
  }
}

}  // namespace kestrin::app
