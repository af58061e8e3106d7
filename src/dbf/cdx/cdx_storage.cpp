#include "dbf/cdx/cdx_storage.h"

#include <cstring>

namespace kestrin::dbf {

CdxDiskStorage::CdxDiskStorage(const std::string& path)
    : file_(path, /*shared=*/true, /*readWrite=*/false) {
  file_.open();
}

std::uint64_t CdxDiskStorage::size() { return static_cast<std::uint64_t>(file_.size()); }

bool CdxDiskStorage::read(std::uint64_t offset, unsigned char* out, std::size_t length) {
  return file_.read(static_cast<std::int64_t>(offset), out, length) == length;
}

bool CdxMemoryStorage::read(std::uint64_t offset, unsigned char* out, std::size_t length) {
  if (offset > bytes_.size() || bytes_.size() - offset < length) return false;
  std::memcpy(out, bytes_.data() + offset, length);
  return true;
}

}  // namespace kestrin::dbf
