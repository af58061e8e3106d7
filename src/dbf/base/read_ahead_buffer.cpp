#include "dbf/base/read_ahead_buffer.h"

#include <algorithm>
#include <cstring>

namespace kestrin::dbf {

ReadAheadBuffer::ReadAheadBuffer(std::size_t recordLength, std::size_t targetSize)
    : bytes_(std::max<std::size_t>(1, targetSize / std::max<std::size_t>(1, recordLength)) *
             std::max<std::size_t>(1, recordLength)) {}

std::size_t ReadAheadBuffer::read(const ByteSource& source, std::int64_t offset, char* out, std::size_t length) {
  if (length > bytes_.size()) return source.read(offset, out, length);
  const std::string_view bytes = view(source, offset, length);
  if (!bytes.empty()) std::memcpy(out, bytes.data(), bytes.size());
  return bytes.size();
}

std::string_view ReadAheadBuffer::refillAndView(const ByteSource& source, std::int64_t offset, std::size_t length) {
  if (length > bytes_.size()) return {};
  start_ = offset;
  filled_ = 0;
  filled_ = source.read(offset, bytes_.data(), bytes_.size());
  return {bytes_.data(), std::min(length, filled_)};
}

}  // namespace kestrin::dbf
