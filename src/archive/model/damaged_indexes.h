// The index files of the base found damaged while the program runs. A list
// whose index file is damaged falls back to record order, and the file is not
// attached again (so it is reported once) until the tables are opened anew.
#pragma once

#include <set>
#include <string>
#include <string_view>

namespace kestrin::archive {

class DamagedIndexes {
 public:
  // `file`: the index file's name, with or without its folder (all index
  // files lie in the base folder); letter case does not count. Returns true
  // when the file was not known as damaged yet.
  bool add(std::string_view file);
  bool contains(std::string_view file) const;
  void clear() { files_.clear(); }

 private:
  std::set<std::string> files_;  // lower-case names without folder
};

}  // namespace kestrin::archive
