#include "photo/folder_entries.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "photo/photo_paths.h"
#include "text/cp1251_case.h"

namespace kestrin::photo {

namespace fs = std::filesystem;

std::vector<FolderEntry> folderEntries(const std::string& folder) {
  std::vector<FolderEntry> entries;
  std::error_code error;
  fs::directory_iterator it(fsPath(folder), error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code kindError;
    entries.push_back({pathText(it->path().filename()), it->is_directory(kindError)});
  }
  std::stable_sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
    const std::string upperA = text::upper1251(a.name);
    const std::string upperB = text::upper1251(b.name);
    return upperA != upperB ? upperA < upperB : a.name < b.name;
  });
  return entries;
}

bool hasJpgExtension(const std::string& name) {
  return name.size() >= 4 && text::equalsNoCase1251(std::string_view(name).substr(name.size() - 4), ".jpg");
}

namespace {

void appendJpegFiles(const std::string& folder, std::vector<std::string>& paths, int depth) {
  // A link loop of folders named "*.jpg" must end somewhere.
  if (depth > 64) return;
  for (const FolderEntry& entry : folderEntries(folder)) {
    if (!hasJpgExtension(entry.name)) continue;
    const std::string path = folder + entry.name;
    if (entry.folder) {
      appendJpegFiles(path + kSeparator, paths, depth + 1);
    } else {
      paths.push_back(path);
    }
  }
}

}  // namespace

std::vector<std::string> listJpegFiles(const std::string& folder) {
  std::vector<std::string> paths;
  appendJpegFiles(withTrailingSeparator(folder), paths, 0);
  return paths;
}

}  // namespace kestrin::photo
