// Large generated bases for the benchmarks, made once and kept between runs
// in $KESTRIN_BENCH_DIR (default /tmp/kestrin-bench).
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "dbf/cursor/table_cursor.h"

namespace kestrin::bench {

// The folder of a DELO.DBF of `records` files, every one with an L5 memo of
// about 100-300 bytes; written on first use.
std::string deloBase(int records);

// A cursor on the DELO.DBF of `folder` (from deloBase), open.
std::unique_ptr<dbf::TableCursor> openDelo(const std::string& folder);

// A folder of its own under the system's temporary folder, removed with its
// contents when the object goes.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& prefix);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Reads every byte of `path` with large sequential reads; returns the bytes read.
long long plainRead(const std::string& path);

}  // namespace kestrin::bench
