#include "photo/catalogue_line.h"

#include "photo/photo_paths.h"
#include "text/cp1251_case.h"
#include "text/trims.h"

namespace kestrin::photo {

std::string catalogueLine(std::string_view path, std::string_view description) {
  std::string line;
  if (path.find(' ') == std::string_view::npos) {
    line = path;
  } else {
    line.append("\"").append(path).append("\"");
  }
  line.append(" ").append(description);
  return std::string(text::trimSpaces(line));
}

std::string_view pathOfLine(std::string_view line) {
  if (!line.empty() && line.front() == '"') {
    const std::size_t close = line.find('"', 1);
    return line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
  }
  return line.substr(0, line.find(' '));
}

bool startsWithDrive(std::string_view path) {
  const auto letter = static_cast<unsigned char>(path.empty() ? 0 : path[0]);
  return path.size() >= 3 && ((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z')) && path[1] == ':' &&
         (path[2] == '\\' || path[2] == '/');
}

namespace {

// Windows compares paths without regard to letter case and takes "/" for "\".
bool sameWindowsPrefix(std::string_view path, std::string_view prefix) {
  if (path.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    const bool separators = (path[i] == '\\' || path[i] == '/') && (prefix[i] == '\\' || prefix[i] == '/');
    if (!separators && text::toUpper1251(path[i]) != text::toUpper1251(prefix[i])) return false;
  }
  return true;
}

}  // namespace

std::string mapWindowsPath(std::string_view path, std::string_view windowsRoot, const std::string& photoFolder) {
  if (!startsWithDrive(path) || !sameWindowsPrefix(path, windowsRoot)) return std::string(path);
  std::string mapped = withTrailingSeparator(photoFolder);
  for (const char c : path.substr(windowsRoot.size())) mapped += (c == '\\' || c == '/') ? kSeparator : c;
  return mapped;
}

}  // namespace kestrin::photo
