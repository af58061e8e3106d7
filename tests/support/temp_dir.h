// A fresh folder under the system temporary folder, removed with its contents
// when the object goes away. Shared by the tests and the benchmarks.
#pragma once

#include <string>
#include <string_view>

namespace kestrin::testing {

class TempDir {
 public:
  // The folder's name is `prefix` and a unique suffix.
  explicit TempDir(std::string_view prefix = "kestrin-test");
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
