// A file on disk opened for positioned reads, read-only and shared, so that
// "Архивный Фонд" can keep writing the same files. There is no way to open
// one for writing: the program never writes to a base.
#pragma once

#include <cstdint>
#include <string>

#include "dbf/base/byte_source.h"

namespace kestrin::dbf {

class DiskFile final : public ByteSource {
 public:
  // Expands `fileName` to an absolute path and opens it. Throws EDbfError
  // "File %s could not be found" when it is not a regular file and "Access
  // denied to file %s" when the system refuses it (%s the absolute path).
  explicit DiskFile(const std::string& fileName);
  ~DiskFile() override;
  DiskFile(const DiskFile&) = delete;
  DiskFile& operator=(const DiskFile&) = delete;

  std::size_t read(std::int64_t offset, void* buffer, std::size_t length) const override;
  std::int64_t size() const override;
  // The absolute path.
  const std::string& name() const override { return fileName_; }

 private:
  std::string fileName_;
  int fd_ = -1;
};

}  // namespace kestrin::dbf
