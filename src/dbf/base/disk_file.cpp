#include "dbf/base/disk_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "dbf/base/errors.h"

namespace kestrin::dbf {
namespace {

std::string expandFileName(const std::string& name) {
  std::error_code error;
  const auto absolute = std::filesystem::absolute(name, error);
  return error ? name : absolute.lexically_normal().string();
}

}  // namespace

void rejectIfNotRegularFile(const std::string& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (error || !std::filesystem::exists(status)) return;
  if (!std::filesystem::is_regular_file(status)) throw EDbfError("File %s is not a regular file", {path});
}

// POSIX has no share modes: a read-only descriptor never blocks the program
// that writes the base, which is what a shared open needs.
DiskFile::DiskFile(const std::string& fileName) : fileName_(expandFileName(fileName)) {
  rejectIfNotRegularFile(fileName_);
  std::error_code error;
  if (!std::filesystem::is_regular_file(fileName_, error)) {
    throw EDbfError("File %s could not be found", {fileName_});
  }
  int fd;
  do {
    fd = ::open(fileName_.c_str(), O_RDONLY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) throw EDbfError("Access denied to file %s", {fileName_});
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    throw EDbfError("Access denied to file %s", {fileName_});
  }
  fd_ = fd;
}

DiskFile::~DiskFile() { ::close(fd_); }

std::size_t DiskFile::read(std::int64_t offset, void* buffer, std::size_t length) const {
  if (offset < 0) throw EDbfError("Error on Read of file %s", {fileName_});
  auto* out = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < length) {
    const ssize_t got = ::pread(fd_, out + done, length - done, offset + static_cast<std::int64_t>(done));
    if (got < 0) {
      if (errno == EINTR) continue;
      throw EDbfError("Error on Read of file %s", {fileName_});
    }
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

std::int64_t DiskFile::size() const {
  struct stat info {};
  if (::fstat(fd_, &info) != 0) throw EDbfError("Error getting FileSize for file %s", {fileName_});
  return static_cast<std::int64_t>(info.st_size);
}

}  // namespace kestrin::dbf
