#include "app/folders.h"

#include "dbf/base/file_name.h"

namespace kestrin::app {

bool isSeparator(char c) { return c == '/' || c == '\\'; }

std::string withTrailingSeparator(std::string folder) {
  if (!folder.empty() && !isSeparator(folder.back())) folder.push_back(kSeparator);
  return folder;
}

std::string withoutTrailingSeparator(std::string folder) {
  while (folder.size() > 1 && isSeparator(folder.back())) folder.pop_back();
  return folder;
}

std::string parentFolder(std::string path, int levels) {
  const char trailing = !path.empty() && isSeparator(path.back()) ? path.back() : '\0';
  if (trailing) path.pop_back();
  for (int i = 0; i < levels; ++i) {
    std::size_t at = path.size();
    while (at > 0 && !isSeparator(path[at - 1])) --at;
    path.resize(at > 0 ? at - 1 : 0);
  }
  if (trailing) path.push_back(trailing);
  return path;
}

std::string fileInFolder(const std::string& folder, const std::string& name) {
  return dbf::resolveFileNoCase(folder, name);
}

}  // namespace kestrin::app
