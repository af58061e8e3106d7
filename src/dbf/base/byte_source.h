// Where the engine's bytes come from: a file on disk, opened read-only and
// shared, or an image of a file in memory (tests, fuzzing). Tables, memo files
// and index files all read through this one interface; it has no way to write.
//
// Callers read in large pieces (a header, a block of records, a memo, an
// index node), so the virtual call costs nothing next to the copy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace kestrin::dbf {

class ByteSource {
 public:
  virtual ~ByteSource() = default;

  // Reads up to `length` bytes at `offset` into `buffer`; the count is short
  // (or 0) where the source ends. Throws EDbfError "Error on Read of file %s"
  // for a negative offset or when the system refuses the read. Safe to call
  // from two threads at once.
  virtual std::size_t read(std::int64_t offset, void* buffer, std::size_t length) const = 0;

  // Current length in bytes. Another program may append to a shared file
  // while it is open, so callers ask again before refusing an offset. Throws
  // EDbfError "Error getting FileSize for file %s".
  virtual std::int64_t size() const = 0;

  // The file's name as the engine's messages give it.
  virtual const std::string& name() const = 0;

  // Reads exactly `length` bytes or throws "Error on Read of file %s".
  void readExact(std::int64_t offset, void* buffer, std::size_t length) const;
};

// A whole file held in memory under a name.
class MemoryImage final : public ByteSource {
 public:
  MemoryImage(std::string name, std::string bytes) : name_(std::move(name)), bytes_(std::move(bytes)) {}

  std::size_t read(std::int64_t offset, void* buffer, std::size_t length) const override;
  std::int64_t size() const override { return static_cast<std::int64_t>(bytes_.size()); }
  const std::string& name() const override { return name_; }

 private:
  std::string name_;
  std::string bytes_;
};

}  // namespace kestrin::dbf
