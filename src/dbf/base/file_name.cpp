#include "dbf/base/file_name.h"

#include <filesystem>

#include "text/cp1251_case.h"

namespace kestrin::dbf {
namespace fs = std::filesystem;

namespace {

bool sameNameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[i]);
    // File names are UTF-8 here; ASCII letters fold, other bytes compare as they are.
    const auto fold = [](unsigned char c) { return c < 0x80 ? text::kUpperTable[c] : c; };
    if (fold(ca) != fold(cb)) return false;
  }
  return true;
}

}  // namespace

std::string resolveFileNoCase(const std::string& folder, const std::string& name) {
  const fs::path exact = fs::path(folder) / name;
  std::error_code error;
  if (fs::exists(exact, error)) return exact.string();
  // Of several names that differ only in case, the same one every time
  // whatever order the folder lists them in: the least in byte order, which
  // puts the archive's own upper-case names first.
  std::string best;
  for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end; it.increment(error)) {
    const std::string entry = it->path().filename().string();
    if (sameNameNoCase(entry, name) && (best.empty() || entry < best)) best = entry;
  }
  return best.empty() ? exact.string() : (fs::path(folder) / best).string();
}

bool fileExistsNoCase(const std::string& folder, const std::string& name) {
  std::error_code error;
  return fs::is_regular_file(resolveFileNoCase(folder, name), error);
}

std::string resolvePathNoCase(const std::string& path) {
  const fs::path p(path);
  if (!p.has_filename()) return path;
  return resolveFileNoCase(p.parent_path().string(), p.filename().string());
}

std::string replaceExtension(const std::string& path, std::string_view extension) {
  fs::path p(path);
  p.replace_extension(std::string(extension));
  return p.string();
}

bool hasExtension(const std::string& path) { return fs::path(path).has_extension(); }

std::string baseNameWithoutExtension(const std::string& path) { return fs::path(path).stem().string(); }

}  // namespace kestrin::dbf
