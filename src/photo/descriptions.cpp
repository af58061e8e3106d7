#include "photo/descriptions.h"

#include <fstream>
#include <sstream>

#include "photo/folder_entries.h"
#include "photo/photo_paths.h"
#include "text/cp1251_case.h"

namespace kestrin::photo {
namespace {

constexpr std::string_view kFileName = "descript.ion";

// Calls `take` with each line of `text` (without its line end) until it
// returns true.
template <typename Take>
void forEachLine(std::string_view text, Take take) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (take(line)) return;
    if (end == std::string_view::npos) return;
    text.remove_prefix(end + 1);
  }
}

bool startsWithNoCase(std::string_view line, std::string_view prefix) {
  return line.size() >= prefix.size() && text::equalsNoCase1251(line.substr(0, prefix.size()), prefix);
}

}  // namespace

std::string readDescriptIon(const std::string& folder) {
  std::ifstream in(fsPath(folder + std::string(kFileName)), std::ios::binary);
  if (!in) {
    // Copied from Windows the name may be in capitals.
    for (const FolderEntry& entry : folderEntries(folder)) {
      if (!entry.folder && text::equalsNoCase1251(entry.name, kFileName)) {
        in.open(fsPath(folder + entry.name), std::ios::binary);
        break;
      }
    }
    if (!in) return {};
  }
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::string descriptionIn(std::string_view descriptIon, std::string_view name) {
  if (name.empty()) return {};
  std::string key(name);
  if (key.find(' ') != std::string::npos && key.front() != '"') key = "\"" + key + "\"";
  key += ' ';
  std::string description;
  forEachLine(descriptIon, [&](std::string_view line) {
    if (!startsWithNoCase(line, key)) return false;
    description = line.substr(key.size());
    return true;
  });
  return description;
}

std::string tooltipDescriptionIn(std::string_view descriptIon, std::string_view name) {
  const std::string quoted = "\"" + std::string(name) + "\"";
  std::string description;
  forEachLine(descriptIon, [&](std::string_view line) {
    for (const std::string_view key : {std::string_view(quoted), name}) {
      if (line.substr(0, key.size()) != key) continue;
      const std::string_view rest = line.substr(key.size());
      if (!rest.empty() && rest.front() != ' ') continue;
      description = rest.empty() ? rest : rest.substr(1);
      return true;
    }
    return false;
  });
  return description;
}

std::string descriptionOf(const std::string& path) {
  return descriptionIn(readDescriptIon(std::string(folderOf(path))), fileNameOf(path));
}

std::string DescriptionCache::descriptionOf(const std::string& path) {
  const std::string_view folder = folderOf(path);
  auto it = files_.find(folder);
  if (it == files_.end()) it = files_.emplace(std::string(folder), readDescriptIon(std::string(folder))).first;
  return descriptionIn(it->second, fileNameOf(path));
}

}  // namespace kestrin::photo
