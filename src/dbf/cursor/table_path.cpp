#include "dbf/cursor/table_path.h"

#include <filesystem>
#include <fstream>
#include <map>

#include "dbf/base/file_name.h"
#include "text/cp1251_case.h"
#include "text/trims.h"

namespace kestrin::dbf {
namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string>& aliases() {
  static std::map<std::string, std::string> list;  // upper-cased name -> path
  return list;
}

std::string programFolder() {
  std::error_code error;
  const auto exe = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::current_path().string() : exe.parent_path().string();
}

std::string trim(std::string_view s) { return std::string(text::trimControls(s)); }

bool isSeparator(char c) { return c == '/' || c == '\\'; }

}  // namespace

void loadAliasFile(const std::string& aliasFile) {
  std::ifstream in(aliasFile);
  std::string line;
  bool inAliasSection = false;
  while (std::getline(in, line)) {
    const std::string t = trim(line);
    if (t.empty() || t[0] == ';') continue;
    if (t.front() == '[') {
      inAliasSection = text::equalsNoCase1251(t, "[Alias]");
      continue;
    }
    const auto eq = t.find('=');
    if (!inAliasSection || eq == std::string::npos) continue;
    aliases()[text::upper1251(trim(t.substr(0, eq)))] = trim(t.substr(eq + 1));
  }
}

std::string registerDatabaseName(std::string name) {
  if (text::equalsNoCase1251(name, kDefaultDirectoryAlias)) return name;
  if (!name.empty() && isSeparator(name.back()) && name.size() > 1) name.pop_back();
  aliases().try_emplace(text::upper1251(name), name);
  return name;
}

std::string databaseFolder(const std::string& databaseName) {
  std::string folder;
  if (text::equalsNoCase1251(databaseName, kDefaultDirectoryAlias)) {
    folder = programFolder();
  } else {
    const auto it = aliases().find(text::upper1251(databaseName));
    folder = it != aliases().end() ? it->second : databaseName;
  }
  if (folder.empty()) folder = ".";
  if (!isSeparator(folder.back())) folder.push_back('/');
  return folder;
}

std::string tablePath(const std::string& databaseName, const std::string& tableName) {
  const std::string name = hasExtension(tableName) ? tableName : tableName + ".DBF";
  const std::string folder = databaseFolder(databaseName);
  const std::string resolved = resolveFileNoCase(folder, name);
  return fs::exists(resolved) ? resolved : folder + name;
}

}  // namespace kestrin::dbf
