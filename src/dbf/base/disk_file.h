// A file on disk opened for positioned reads, read-only and shared, so that
// "Архивный Фонд" can keep writing the same files. There is no way to open
// one for writing: the program never writes to a base.
#pragma once

#include <cstdint>
#include <string>

#include "dbf/base/byte_source.h"

namespace kestrin::dbf {

// Throws EDbfError "File %s is not a regular file" when `path` names
// something that exists but is no regular file (a folder, a FIFO, a device):
// "could not be found" would send the person looking for a missing file, and
// opening a FIFO would wait for a writer.
void rejectIfNotRegularFile(const std::string& path);

class DiskFile final : public ByteSource {
 public:
  // Expands `fileName` to an absolute path and opens it. Throws EDbfError
  // "File %s could not be found" when it does not exist, "File %s is not a
  // regular file" for a folder, FIFO or device, and "Access denied to file
  // %s" when the system refuses it (%s the absolute path).
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
