// Where the blocks of a CDX file come from: the file on disk, opened read-only
// and shared, or an in-memory image (tests, fuzzing). Reads are positioned and
// bounded; nothing is ever written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "dbf/base/disk_file.h"

namespace kestrin::dbf {

class CdxStorage {
 public:
  virtual ~CdxStorage() = default;

  // Current length of the file in bytes. Another program may grow the file
  // while it is open, so callers ask again before refusing an offset.
  virtual std::uint64_t size() = 0;

  // Reads exactly `length` bytes at `offset` into `out`; false when the file
  // holds fewer bytes there.
  virtual bool read(std::uint64_t offset, unsigned char* out, std::size_t length) = 0;
};

class CdxDiskStorage final : public CdxStorage {
 public:
  // Opens `path` read-only and shared; throws EDbfError when it cannot.
  explicit CdxDiskStorage(const std::string& path);

  std::uint64_t size() override;
  bool read(std::uint64_t offset, unsigned char* out, std::size_t length) override;

 private:
  DiskFile file_;
};

class CdxMemoryStorage final : public CdxStorage {
 public:
  explicit CdxMemoryStorage(std::string bytes) : bytes_(std::move(bytes)) {}

  std::uint64_t size() override { return bytes_.size(); }
  bool read(std::uint64_t offset, unsigned char* out, std::size_t length) override;

 private:
  std::string bytes_;
};

}  // namespace kestrin::dbf
