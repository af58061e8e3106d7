// A file opened for positioned reads. Tables, memo files and index files all
// read through it. The program opens every file read-only and shared, so that
// "Архивный Фонд" can keep writing the same files.
#pragma once

#include <cstdint>
#include <string>

namespace kestrin::dbf {

class DiskFile {
 public:
  // Expands `fileName` to an absolute path and notes whether the file exists;
  // does not open it.
  DiskFile(std::string fileName, bool shared, bool readWrite);
  ~DiskFile();
  DiskFile(const DiskFile&) = delete;
  DiskFile& operator=(const DiskFile&) = delete;

  // Opens the file; throws EDbfError "Access denied to file %s" on failure.
  void open();
  void close();

  // Reads up to `length` bytes at `offset`; the count may be short at the end
  // of the file. Throws "Error on Read of file %s" when the system refuses.
  std::size_t read(std::int64_t offset, void* buffer, std::size_t length) const;

  // Reads exactly `length` bytes or throws "Error on Read of file %s".
  void readExact(std::int64_t offset, void* buffer, std::size_t length) const;

  // Current length in bytes; throws "Error getting FileSize for file %s".
  std::int64_t size() const;

  const std::string& fileName() const { return fileName_; }
  bool existedAtConstruction() const { return existed_; }

 private:
  std::string fileName_;
  bool readWrite_;
  bool existed_;
  int fd_ = -1;
};

}  // namespace kestrin::dbf
