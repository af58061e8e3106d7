#include "dbf/cursor/memo_stream.h"

#include <algorithm>
#include <cstring>

#include "dbf/cursor/cursor_field.h"

namespace kestrin::dbf {

MemoStream::MemoStream(const CursorField& field) { text_ = field.memoText(); }

std::size_t MemoStream::read(char* buffer, std::size_t count) {
  const auto left = static_cast<std::size_t>(size() - position_);
  const std::size_t n = std::min(count, left);
  if (n > 0) std::memcpy(buffer, text_.data() + position_, n);
  position_ += static_cast<std::int64_t>(n);
  return n;
}

std::int64_t MemoStream::seek(std::int64_t offset, SeekOrigin origin) {
  std::int64_t target = offset;
  if (origin == SeekOrigin::Current) target += position_;
  if (origin == SeekOrigin::End) target += size();
  position_ = std::clamp<std::int64_t>(target, 0, size());
  return position_;
}

}  // namespace kestrin::dbf
