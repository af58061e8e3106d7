// A read-only byte stream over the memo of one field of the cursor's current
// record. The whole memo is loaded when the stream is made; the stream holds
// it while it lives. No record image, or a field without a block, gives an
// empty stream.
#pragma once

#include <cstdint>
#include <string>

namespace kestrin::dbf {

class CursorField;

enum class SeekOrigin { Beginning, Current, End };

class MemoStream {
 public:
  explicit MemoStream(const CursorField& field);

  // Copies up to `count` bytes from the current position; returns the count.
  std::size_t read(char* buffer, std::size_t count);
  // Moves the position (clamped to 0..size) and returns it.
  std::int64_t seek(std::int64_t offset, SeekOrigin origin);
  std::int64_t size() const { return static_cast<std::int64_t>(text_.size()); }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
  std::int64_t position_ = 0;
};

}  // namespace kestrin::dbf
