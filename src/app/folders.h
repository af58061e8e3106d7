// Folder texts of the program: a folder ends in a separator unless it is empty.
#pragma once

#include <string>
#include <string_view>

namespace kestrin::app {

inline constexpr char kSeparator = '/';

bool isSeparator(char c);
// `folder` with a trailing separator added when it is not empty and has none.
std::string withTrailingSeparator(std::string folder);
// `folder` without its trailing separators (the root stays "/").
std::string withoutTrailingSeparator(std::string folder);
// `path` with its last `levels` folder levels removed: a trailing separator is
// removed first and put back at the end; each level removes everything from
// the last separator on. "/opt/kestrin/bin/" less one level is "/opt/kestrin/".
std::string parentFolder(std::string path, int levels);
// The path of `name` in `folder` as it is spelled on disk (case-blind match),
// or folder + name when there is no such file. An empty folder means the
// current folder.
std::string fileInFolder(const std::string& folder, const std::string& name);

}  // namespace kestrin::app
