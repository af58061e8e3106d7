#include "dbf/cdx/cdx_storage.h"

#include <cstring>

namespace kestrin::dbf {

CdxDiskStorage::CdxDiskStorage(const std::filesystem::path& path)
    : stream_(path, std::ios::in | std::ios::binary) {}

std::uint64_t CdxDiskStorage::size() {
  stream_.clear();
  stream_.seekg(0, std::ios::end);
  const std::streamoff end = stream_.tellg();
  return end < 0 ? 0 : static_cast<std::uint64_t>(end);
}

bool CdxDiskStorage::read(std::uint64_t offset, unsigned char* out, std::size_t length) {
  stream_.clear();
  stream_.seekg(static_cast<std::streamoff>(offset), std::ios::beg);
  if (!stream_) return false;
  stream_.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(length));
  return static_cast<std::size_t>(stream_.gcount()) == length;
}

bool CdxMemoryStorage::read(std::uint64_t offset, unsigned char* out, std::size_t length) {
  if (offset > bytes_.size() || bytes_.size() - offset < length) return false;
  std::memcpy(out, bytes_.data() + offset, length);
  return true;
}

}  // namespace kestrin::dbf
