#include "archive/model/storage_places.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "archive/model/record_key.h"
#include "archive/text/text_edit.h"
#include "dbf/base/file_name.h"
#include "dbf/expr/text_compare.h"
#include "text/cp1251_case.h"
#include "text/trims.h"

namespace kestrin::archive {
namespace {

constexpr std::size_t kMaxPlaceLength = 1024;

// The order of a list sorted alphabetically without regard to case (the
// collation of text comparisons); lines that differ only in case are equal.
bool lessNoCase(const std::string& a, const std::string& b) { return dbf::collateTexts(a, b, text::kUpperTable) < 0; }

}  // namespace

std::vector<std::string> storageListLines(std::string_view fileBytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < fileBytes.size()) {
    std::size_t end = fileBytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = fileBytes.size();
    lines.emplace_back(fileBytes.substr(start, end - start));
    if (end < fileBytes.size() && fileBytes[end] == '\r' && end + 1 < fileBytes.size() && fileBytes[end + 1] == '\n') {
      ++end;
    }
    start = end + 1;
  }
  // A stable sort keeps the first of lines that differ only in case in front.
  std::stable_sort(lines.begin(), lines.end(), lessNoCase);
  lines.erase(std::unique(lines.begin(), lines.end(),
                          [](const std::string& a, const std::string& b) { return text::equalsNoCase1251(a, b); }),
              lines.end());
  return lines;
}

std::vector<std::string> loadStorageList(const std::string& baseFolder) {
  const std::string path = dbf::resolveFileNoCase(baseFolder, "Hran.txt");
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return {};
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("Cannot open file " + path);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw std::runtime_error("Cannot read file " + path);
  return storageListLines(bytes);
}

StoragePlaces::StoragePlaces(std::vector<std::string> lines) {
  for (const std::string& line : lines) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) continue;
    const std::string number = trimmedControls(std::string_view(line).substr(0, tab));
    byNumber_[number].push_back(places_.size());
    places_.push_back(trimmedControls(std::string_view(line).substr(tab + 1, kMaxPlaceLength)));
  }
}

std::string& StoragePlaces::cacheSlot(int key) {
  if (key >= 0 && key < kCacheSize) {
    if (cache_.empty()) cache_.resize(kCacheSize);
    return cache_[static_cast<std::size_t>(key)];
  }
  return outsideCache_[key];
}

std::string StoragePlaces::takeFromList(std::string_view fkod) {
  const auto found = byNumber_.find(text::trimControls(fkod));
  if (found == byNumber_.end() || found->second.empty()) return {};
  std::string place = std::move(places_[found->second.front()]);
  found->second.erase(found->second.begin());
  return place;
}

std::string* StoragePlaces::slotOf(std::string_view kod) {
  const auto key = recordKeyNumber(kod);
  return key ? &cacheSlot(*key) : nullptr;
}

}  // namespace kestrin::archive
