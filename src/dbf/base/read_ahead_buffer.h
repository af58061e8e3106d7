// Serves consecutive reads (records, memo blocks) from one large read, so that a scan in
// physical order costs one system call per buffer instead of one per record.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "dbf/base/byte_source.h"

namespace kestrin::dbf {

class ReadAheadBuffer {
 public:
  static constexpr std::size_t kTargetSize = 32768;
  // For a reader of its own that walks a whole file, as a scan's memo reader
  // does: fewer, larger reads.
  static constexpr std::size_t kScanTargetSize = 262144;

  // The buffer holds a whole number of records, at least one, in about
  // `targetSize` bytes.
  explicit ReadAheadBuffer(std::size_t recordLength, std::size_t targetSize = kTargetSize);

  // Copies `length` bytes at `offset` (at or beyond the header) into `out`,
  // refilling the buffer with one read starting at `offset` when the range is
  // not buffered. Returns the bytes copied: short or 0 at the end of the data.
  std::size_t read(const ByteSource& source, std::int64_t offset, char* out, std::size_t length);
  // As read, but the bytes stay in the buffer and are seen through the view,
  // which is valid until the next read or view. Empty when `length` is more
  // than the buffer holds: read then copies them.
  std::string_view view(const ByteSource& source, std::int64_t offset, std::size_t length) {
    // Inline for the usual case, a range already buffered: a scan asks for
    // two ranges per memo.
    if (filled_ > 0 && offset >= start_ && length <= filled_ &&
        offset - start_ <= static_cast<std::int64_t>(filled_ - length)) {
      return {bytes_.data() + (offset - start_), length};
    }
    return refillAndView(source, offset, length);
  }

  // Forgets the buffered bytes, so the next read goes to the source.
  void invalidate() { filled_ = 0; }

 private:
  std::string_view refillAndView(const ByteSource& source, std::int64_t offset, std::size_t length);

  std::vector<char> bytes_;
  std::int64_t start_ = 0;
  std::size_t filled_ = 0;
};

}  // namespace kestrin::dbf
