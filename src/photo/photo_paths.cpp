#include "photo/photo_paths.h"

#include "text/cp1251_utf8.h"

namespace kestrin::photo {
namespace {

std::size_t lastDelimiter(std::string_view path) { return path.find_last_of(":\\/"); }

}  // namespace

std::filesystem::path fsPath(std::string_view cp1251Path) {
  const std::string utf8 = text::cp1251ToUtf8(cp1251Path);
  return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string pathText(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return text::utf8ToCp1251(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

std::string withTrailingSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += kSeparator;
  return folder;
}

std::string_view fileNameOf(std::string_view path) {
  const std::size_t cut = lastDelimiter(path);
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string_view folderOf(std::string_view path) {
  const std::size_t cut = lastDelimiter(path);
  return cut == std::string_view::npos ? std::string_view() : path.substr(0, cut + 1);
}

std::string_view baseNameOf(std::string_view path) {
  const std::string_view name = fileNameOf(path);
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? name : name.substr(0, dot);
}

}  // namespace kestrin::photo
