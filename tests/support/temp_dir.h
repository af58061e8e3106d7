// A fresh folder under the system temporary folder, removed with its contents
// when the object goes away.
#pragma once

#include <string>

namespace kestrin::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // path() + "/" + name
  std::string file(const std::string& name) const;

 private:
  std::string path_;
};

// Reads a whole file as bytes.
std::string readFileBytes(const std::string& path);
// Replaces a whole file's bytes.
void writeFileBytes(const std::string& path, const std::string& bytes);

}  // namespace kestrin::testing
