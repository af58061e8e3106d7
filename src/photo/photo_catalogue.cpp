#include "photo/photo_catalogue.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "photo/catalogue_line.h"
#include "photo/descriptions.h"
#include "photo/folder_entries.h"
#include "photo/photo_paths.h"
#include "text/cp1251_case.h"
#include "text/cp1251_literal.h"
#include "text/cp1251_utf8.h"
#include "text/text_search.h"
#include "text/trims.h"

namespace kestrin::photo {
namespace {

using namespace text::literals;

std::string utf8Name(const std::string& cp1251) { return text::cp1251ToUtf8(cp1251); }

void scanFolder(const std::string& folder, DescriptionCache& descriptions, std::vector<std::string>& lines, int depth) {
  if (depth > 64) return;  // a loop of linked folders
  for (const FolderEntry& entry : folderEntries(folder)) {
    const std::string path = folder + entry.name;
    if (entry.folder) {
      scanFolder(path + kSeparator, descriptions, lines, depth + 1);
    } else if (text::lower1251(fileNameOf(path)).ends_with(".jpg")) {
      lines.push_back(catalogueLine(path, descriptions.descriptionOf(path)));
    }
  }
}

// The Windows photo folder of the catalogue's paths: the folder all paths
// with a drive letter share, cut before the first fond level.
std::string windowsRoot(const std::vector<std::string>& lines) {
  std::optional<std::string> common;
  for (const std::string& line : lines) {
    const std::string_view path = pathOfLine(line);
    if (!startsWithDrive(path)) continue;
    const std::string_view folder = folderOf(path);
    if (!common) {
      common = std::string(folder);
      continue;
    }
    std::size_t same = 0;
    while (same < common->size() && same < folder.size() &&
           text::toUpper1251((*common)[same]) == text::toUpper1251(folder[same])) {
      ++same;
    }
    common->resize(same);
  }
  if (!common) return {};
  common->resize(common->find_last_of("\\/") + 1);
  const std::string upper = text::upper1251(*common);
  const std::string fondLevel = text::upper1251("Ф."_cp1251);
  for (std::size_t pos = upper.find(fondLevel); pos != std::string::npos; pos = upper.find(fondLevel, pos + 1)) {
    if (pos > 0 && (upper[pos - 1] == '\\' || upper[pos - 1] == '/')) {
      common->resize(pos);
      break;
    }
  }
  return *common;
}

std::string withMappedPath(const std::string& line, const std::string& root, const std::string& photoFolder) {
  const std::string_view path = pathOfLine(line);
  const std::string mapped = mapWindowsPath(path, root, photoFolder);
  if (mapped == path) return line;
  const std::size_t quoted = line.front() == '"' ? 2 : 0;
  const std::size_t rest = std::min(line.size(), path.size() + quoted);
  return catalogueLine(mapped, text::trimSpacesLeft(std::string_view(line).substr(rest)));
}

std::vector<std::string> queryWords(std::string_view query) {
  std::vector<std::string> words;
  std::size_t pos = 0;
  while (pos < query.size()) {
    const std::size_t end = std::min(query.find(' ', pos), query.size());
    if (end > pos) words.emplace_back(query.substr(pos, end - pos));
    pos = end + 1;
  }
  return words;
}

}  // namespace

void PhotoCatalogue::loadFile(const std::string& file, const std::string& photoFolder) {
  std::ifstream in(fsPath(file), std::ios::binary);
  std::ostringstream content;
  if (!in || !(content << in.rdbuf()) || in.bad()) {
    throw std::runtime_error("Cannot read the photo catalogue " + utf8Name(file));
  }
  std::vector<std::string> lines;
  const std::string text = content.str();
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = std::min(text.find('\n', pos), text.size());
    const std::string_view line = text::trimSpaces(std::string_view(text).substr(pos, end - pos));
    std::string_view trimmed = line;
    if (!trimmed.empty() && trimmed.back() == '\r') trimmed = text::trimSpaces(trimmed.substr(0, trimmed.size() - 1));
    if (!trimmed.empty()) lines.emplace_back(trimmed);
    pos = end + 1;
  }
  const std::string root = windowsRoot(lines);
  if (!root.empty()) {
    for (std::string& line : lines) line = withMappedPath(line, root, photoFolder);
  }
  lines_ = std::move(lines);
}

void PhotoCatalogue::scan(const std::string& photoFolder) {
  std::vector<std::string> lines;
  DescriptionCache descriptions;
  if (!photoFolder.empty()) scanFolder(withTrailingSeparator(photoFolder), descriptions, lines, 0);
  lines_ = std::move(lines);
}

void PhotoCatalogue::save(const std::string& file) const {
  std::ofstream out(fsPath(file), std::ios::binary | std::ios::trunc);
  for (const std::string& line : lines_) out << line << "\r\n";
  if (!out.flush()) throw std::runtime_error("Cannot write the photo catalogue " + utf8Name(file));
}

std::vector<std::string> PhotoCatalogue::search(std::string_view query, PhotoSearchMode mode) const {
  std::vector<std::string> words;
  if (mode == PhotoSearchMode::AsIs) {
    words.emplace_back(query);
  } else {
    words = queryWords(query);
  }
  std::vector<text::TextSearcher> searchers(words.size());
  for (std::size_t i = 0; i < words.size(); ++i) searchers[i].prepare(words[i], text::kUpperTable);

  std::vector<std::string> paths;
  for (const std::string& line : lines_) {
    bool accepted = mode != PhotoSearchMode::AnyWord;
    for (const text::TextSearcher& searcher : searchers) {
      const bool found = searcher.foundIn(line);
      if (mode == PhotoSearchMode::AnyWord && found) {
        accepted = true;
        break;
      }
      if (mode != PhotoSearchMode::AnyWord && !found) {
        accepted = false;
        break;
      }
    }
    if (accepted) paths.emplace_back(pathOfLine(line));
  }
  return paths;
}

std::optional<std::string> photoDatFile(const std::string& photoFolder) {
  if (photoFolder.empty()) return std::nullopt;
  const std::string folder = withTrailingSeparator(photoFolder);
  for (const FolderEntry& entry : folderEntries(folder)) {
    if (!entry.folder && text::equalsNoCase1251(entry.name, "photo.dat")) return folder + entry.name;
  }
  return std::nullopt;
}

std::string photoDatTarget(const std::string& photoFolder) {
  return photoDatFile(photoFolder).value_or(withTrailingSeparator(photoFolder) + "Photo.dat");
}

}  // namespace kestrin::photo
