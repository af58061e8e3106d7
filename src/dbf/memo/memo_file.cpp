#include "dbf/memo/memo_file.h"

#include <algorithm>
#include <cstring>
#include <thread>
#include <utility>
#include <vector>

#include "dbf/base/coding.h"
#include "dbf/base/errors.h"

namespace kestrin::dbf {
namespace {

constexpr std::uint32_t kDbt3MaxLength = 65519;
constexpr char kDbt3EndMark = 0x1A;

}  // namespace

DbtMemo::DbtMemo(std::unique_ptr<ByteSource> source) : source_(std::move(source)) {}

DbtMemo::~DbtMemo() = default;

void DbtMemo::readFileHeader() { setBlockSize(512); }

void DbtMemo::setBlockSize(std::uint32_t size) {
  // A block size of 0 would put every memo on the header.
  if (size == 0) throw EDbfError("Memo file %s has a block size of 0", {fileName()});
  blockSize_ = size;
}

void DbtMemo::failBadRecord() const { throw EDbfError("Memo record is bad in %s", {fileName()}); }

void DbtMemo::setReadAhead(bool on, std::size_t targetSize) {
  if (on && !readAhead_) {
    readAhead_ = std::make_unique<ReadAheadBuffer>(blockSize_, targetSize);
  } else if (!on) {
    readAhead_.reset();
  }
}

void DbtMemo::readExactAt(std::int64_t offset, void* out, std::size_t length) {
  const std::size_t got = readAhead_ ? readAhead_->read(*source_, offset, static_cast<char*>(out), length)
                                     : source_->read(offset, out, length);
  if (got != length) throw EDbfError("Error on Read of file %s", {fileName()});
}

bool DbtMemo::reachesNoFurtherThanEnd(std::int64_t end) {
  if (end <= knownSize_) return true;
  knownSize_ = source_->size();
  return end <= knownSize_;
}

bool DbtMemo::reachesEndAfterSizeCheck(std::int64_t end) {
  if (reachesNoFurtherThanEnd(end)) return true;
  if (waitedAtSize_ == knownSize_) return false;
  waitedAtSize_ = knownSize_;
  std::this_thread::sleep_for(kAppendWait);
  return reachesNoFurtherThanEnd(end);
}

void DbtMemo::checkDataFits(std::int64_t dataOffset, std::uint32_t length) {
  if (!reachesEndAllowingAppend(dataOffset + static_cast<std::int64_t>(length))) {
    throw EDbfError("Memo data runs past the end of file %s", {fileName()});
  }
}

std::uint32_t DbtMemo::memoLength(std::uint32_t block) {
  if (block == 0) return 0;
  const std::int64_t offset = blockOffset(block);
  if (!reachesEndAllowingAppend(offset + 1)) {
    throw EDbfError("Memo block %d lies beyond the end of file %s", {std::to_string(block), fileName()});
  }
  return lengthAt(offset);
}

std::uint32_t DbtMemo::lengthAt(std::int64_t offset) {
  // dBASE III: the text runs over consecutive blocks up to the first end mark.
  std::vector<char> block(blockSize_);
  std::uint32_t length = 0;
  while (length < kDbt3MaxLength) {
    const std::size_t got = source_->read(offset + length, block.data(), block.size());
    if (got == 0) break;
    const auto end = std::find(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(got), kDbt3EndMark);
    length += static_cast<std::uint32_t>(end - block.begin());
    if (end != block.begin() + static_cast<std::ptrdiff_t>(got) || got < block.size()) break;
  }
  return std::min(length, kDbt3MaxLength);
}

std::string DbtMemo::readMemoText(std::uint32_t block) {
  std::string text;
  readMemoInto(block, text);
  return text;
}

void DbtMemo::readMemoInto(std::uint32_t block, std::string& text) {
  const std::uint32_t length = memoLength(block);
  if (length == 0) {
    text.clear();
    return;
  }
  const std::int64_t dataOffset = blockOffset(block) + blockHeaderSize();
  // Checked before allocating: a damaged length must not ask for gigabytes.
  checkDataFits(dataOffset, length);
  text.resize(length);
  readExactAt(dataOffset, text.data(), length);
}

std::string_view DbtMemo::viewMemo(std::uint32_t block, std::string& spill) {
  if (!readAhead_) {
    readMemoInto(block, spill);
    return spill;
  }
  const std::uint32_t length = memoLength(block);
  if (length == 0) return {};
  const std::int64_t dataOffset = blockOffset(block) + blockHeaderSize();
  checkDataFits(dataOffset, length);
  const std::string_view text = readAhead_->view(*source_, dataOffset, length);
  if (text.size() == length) return text;
  // Longer than the buffer, or cut short by the end of the file (which the
  // read reports).
  spill.resize(length);
  readExactAt(dataOffset, spill.data(), length);
  return spill;
}

void Dbt4Memo::readFileHeader() {
  unsigned char header[32];
  source().readExact(0, header, sizeof header);
  setBlockSize(decodeLE32(header + 20));
}

std::uint32_t Dbt4Memo::lengthAt(std::int64_t offset) {
  unsigned char bytes[8];
  const unsigned char* header = bytesAt(offset, bytes, sizeof bytes);
  if (header[0] != 0xFF || header[1] != 0xFF) failBadRecord();
  const std::uint32_t total = decodeLE32(header + 4);
  if (total < 8) failBadRecord();
  return total - 8;
}

void FptMemo::readFileHeader() {
  unsigned char header[32];
  source().readExact(0, header, sizeof header);
  setBlockSize(decodeBE16(header + 6));
}

std::uint32_t FptMemo::lengthAt(std::int64_t offset) {
  unsigned char bytes[8];
  const unsigned char* header = bytesAt(offset, bytes, sizeof bytes);
  const std::uint32_t type = decodeBE32(header);
  if (type != 1 && type != 0) failBadRecord();
  return decodeBE32(header + 4);
}

std::unique_ptr<DbtMemo> openMemoFile(MemoKind kind, std::unique_ptr<ByteSource> source) {
  std::unique_ptr<DbtMemo> memo;
  switch (kind) {
    case MemoKind::Dbt3:
      memo = std::make_unique<DbtMemo>(std::move(source));
      break;
    case MemoKind::Dbt4:
      memo = std::make_unique<Dbt4Memo>(std::move(source));
      break;
    case MemoKind::Fpt:
      memo = std::make_unique<FptMemo>(std::move(source));
      break;
    case MemoKind::None:
      return nullptr;
  }
  memo->readFileHeader();
  return memo;
}

}  // namespace kestrin::dbf
