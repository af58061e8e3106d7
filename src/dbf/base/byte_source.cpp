#include "dbf/base/byte_source.h"

#include <algorithm>
#include <cstring>

#include "dbf/base/errors.h"

namespace kestrin::dbf {

void ByteSource::readExact(std::int64_t offset, void* buffer, std::size_t length) const {
  if (read(offset, buffer, length) != length) throw EDbfError("Error on Read of file %s", {name()});
}

std::size_t MemoryImage::read(std::int64_t offset, void* buffer, std::size_t length) const {
  if (offset < 0) throw EDbfError("Error on Read of file %s", {name_});
  if (static_cast<std::uint64_t>(offset) >= bytes_.size()) return 0;
  const auto start = static_cast<std::size_t>(offset);
  const std::size_t count = std::min(length, bytes_.size() - start);
  std::memcpy(buffer, bytes_.data() + start, count);
  return count;
}

}  // namespace kestrin::dbf
