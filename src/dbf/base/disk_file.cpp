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

// POSIX has no share modes: a plain descriptor never blocks other writers,
// which is what a shared open needs, so `shared` changes nothing here.
DiskFile::DiskFile(std::string fileName, bool /*shared*/, bool readWrite)
    : fileName_(expandFileName(fileName)), readWrite_(readWrite) {
  std::error_code error;
  existed_ = std::filesystem::is_regular_file(fileName_, error);
}

DiskFile::~DiskFile() { close(); }

void DiskFile::open() {
  if (fd_ >= 0) return;
  const int flags = (readWrite_ ? O_RDWR : O_RDONLY) | O_CLOEXEC;
  int fd;
  do {
    fd = ::open(fileName_.c_str(), flags);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) throw EDbfError("Access denied to file %s", {fileName_});
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    throw EDbfError("Access denied to file %s", {fileName_});
  }
  fd_ = fd;
}

void DiskFile::close() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

std::size_t DiskFile::read(std::int64_t offset, void* buffer, std::size_t length) const {
  if (fd_ < 0 || offset < 0) throw EDbfError("Error on Read of file %s", {fileName_});
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

void DiskFile::readExact(std::int64_t offset, void* buffer, std::size_t length) const {
  if (read(offset, buffer, length) != length) throw EDbfError("Error on Read of file %s", {fileName_});
}

std::int64_t DiskFile::size() const {
  struct stat info {};
  if (fd_ < 0 || ::fstat(fd_, &info) != 0) {
    throw EDbfError("Error getting FileSize for file %s", {fileName_});
  }
  return static_cast<std::int64_t>(info.st_size);
}

}  // namespace kestrin::dbf
