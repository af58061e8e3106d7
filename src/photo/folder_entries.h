// Folder listings for the photo list and the catalogue scan. Entries come in
// name order without regard to letter case (as Windows folders list them),
// so that every run and every platform shows the same order.
#pragma once

#include <string>
#include <vector>

namespace kestrin::photo {

struct FolderEntry {
  std::string name;  // Windows-1251
  bool folder = false;
};

// The entries of `folder` (Windows-1251 path), "." and ".." left out; empty
// when the folder is missing or cannot be read. Never throws.
std::vector<FolderEntry> folderEntries(const std::string& folder);

// True when `name` ends in ".jpg" in any letter case.
bool hasJpgExtension(const std::string& name);

// The full paths of the "*.jpg" entries of `folder` (any letter case); an
// entry that is a folder and matches is listed the same way in its turn.
// Nothing when the folder is missing. `folder` ends in a separator.
std::vector<std::string> listJpegFiles(const std::string& folder);

}  // namespace kestrin::photo
