#include "archive/model/damaged_indexes.h"

#include <cctype>
#include <filesystem>

namespace kestrin::archive {

namespace {

std::string key(std::string_view file) {
  std::string name = std::filesystem::path(std::string(file)).filename().string();
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

}  // namespace

bool DamagedIndexes::add(std::string_view file) { return files_.insert(key(file)).second; }

bool DamagedIndexes::contains(std::string_view file) const { return files_.count(key(file)) > 0; }

}  // namespace kestrin::archive
