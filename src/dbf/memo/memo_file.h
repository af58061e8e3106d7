// Memo files: long texts of a table live in blocks of a file beside the DBF;
// a memo field of the record holds only the number of the block where the text
// starts. Block numbers count from the start of the file, so block 0 would be
// the header itself and means "no memo".
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "dbf/base/byte_source.h"
#include "dbf/base/memo_kind.h"
#include "dbf/base/read_ahead_buffer.h"

namespace kestrin::dbf {

// dBASE III memo file (.dbt): 512-byte blocks, text up to the first 0x1A.
class DbtMemo {
 public:
  // How long a read past the end waits once for the program appending to the
  // memo file: a record may reach the disk a moment before its memo block.
  static constexpr std::chrono::milliseconds kAppendWait{50};

  // Reads from `source`; openMemoFile reads the file header.
  explicit DbtMemo(std::unique_ptr<ByteSource> source);
  virtual ~DbtMemo();
  DbtMemo(const DbtMemo&) = delete;
  DbtMemo& operator=(const DbtMemo&) = delete;

  // Length of the memo data in bytes; 0 for block 0.
  std::uint32_t memoLength(std::uint32_t block);

  // The whole memo as one string.
  std::string readMemoText(std::uint32_t block);
  // The whole memo into `text`, whose capacity is reused from call to call.
  void readMemoInto(std::uint32_t block, std::string& text);
  // The whole memo, left where it lies in the read-ahead buffer when it fits
  // there, else read into `spill`: a scan searches it without a copy. The
  // view is valid until the next read of this memo file.
  std::string_view viewMemo(std::uint32_t block, std::string& spill);

  const std::string& fileName() const { return source_->name(); }
  std::uint32_t blockSize() const { return blockSize_; }

  // While on, memo reads are served from a large buffer: a scan in physical
  // order meets the memos mostly in file order.
  void setReadAhead(bool on, std::size_t targetSize = ReadAheadBuffer::kTargetSize);

 protected:
  // Reads the memo file header; sets the block size.
  virtual void readFileHeader();
  // Length of the memo starting at `offset`, checked against the file.
  virtual std::uint32_t lengthAt(std::int64_t offset);
  virtual std::uint32_t blockHeaderSize() const { return 0; }

  void setBlockSize(std::uint32_t size);
  std::int64_t blockOffset(std::uint32_t block) const { return static_cast<std::int64_t>(block) * blockSize_; }
  const ByteSource& source() const { return *source_; }
  // Reads exactly `length` bytes at `offset`, through the buffer when it is on.
  void readExactAt(std::int64_t offset, void* out, std::size_t length);
  // The same bytes, seen where they lie in the buffer when it holds them,
  // else read into `out`; valid until the next read. Inline for a scan,
  // which asks for every memo's block header.
  const unsigned char* bytesAt(std::int64_t offset, unsigned char* out, std::size_t length) {
    if (readAhead_) {
      const std::string_view bytes = readAhead_->view(*source_, offset, length);
      if (bytes.size() == length) return reinterpret_cast<const unsigned char*>(bytes.data());
    }
    readExactAt(offset, out, length);
    return out;
  }
  [[noreturn]] void failBadRecord() const;
  // Fails when `length` bytes of data at `dataOffset` run past the end of the file.
  void checkDataFits(std::int64_t dataOffset, std::uint32_t length);
  // True when `end` lies within the file; the size is taken again only when
  // the last known size is too small (the other program may have appended).
  bool reachesNoFurtherThanEnd(std::int64_t end);
  // reachesNoFurtherThanEnd, asked again after kAppendWait when it fails; the
  // wait is made once per size of the file, so damaged pointers beyond the
  // end cost one wait and not one per record.
  bool reachesEndAllowingAppend(std::int64_t end) { return end <= knownSize_ || reachesEndAfterSizeCheck(end); }
  // The same, where the last known size is too small.
  bool reachesEndAfterSizeCheck(std::int64_t end);

 private:
  friend std::unique_ptr<DbtMemo> openMemoFile(MemoKind, std::unique_ptr<ByteSource>);

  std::unique_ptr<ByteSource> source_;
  std::uint32_t blockSize_ = 512;
  std::int64_t knownSize_ = 0;
  std::int64_t waitedAtSize_ = -1;
  std::unique_ptr<ReadAheadBuffer> readAhead_;
};

// dBASE IV memo file (.dbt): block size in the header, 8-byte block headers.
class Dbt4Memo : public DbtMemo {
 public:
  using DbtMemo::DbtMemo;

 protected:
  void readFileHeader() override;
  std::uint32_t lengthAt(std::int64_t offset) override;
  std::uint32_t blockHeaderSize() const override { return 8; }
};

// FoxPro memo file (.fpt): big-endian block size and block headers.
class FptMemo : public DbtMemo {
 public:
  using DbtMemo::DbtMemo;

 protected:
  void readFileHeader() override;
  std::uint32_t lengthAt(std::int64_t offset) override;
  std::uint32_t blockHeaderSize() const override { return 8; }
};

// The memo file of `kind` (not None) over `source`, its file header read.
// Throws EDbfError for a header it cannot read.
std::unique_ptr<DbtMemo> openMemoFile(MemoKind kind, std::unique_ptr<ByteSource> source);

}  // namespace kestrin::dbf
