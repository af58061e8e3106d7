#include "dbf/writer/dbf_writer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "dbf/base/coding.h"
#include "dbf/base/file_name.h"

namespace kestrin::dbf {
namespace {

bool isMemoType(char type) { return type == 'M' || type == 'G' || type == 'B'; }

std::string formatNumber(double value, int width, int decimals) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, value);
  return buffer;
}

}  // namespace

DbfWriter::DbfWriter(const std::string& path, std::vector<FieldSpec> fields, DbfWriterOptions options)
    : path_(path), fields_(std::move(fields)), options_(options), out_(path, std::ios::binary | std::ios::trunc) {
  if (!out_) throw std::runtime_error("cannot create " + path);
  const bool hasMemo =
      std::any_of(fields_.begin(), fields_.end(), [](const FieldSpec& f) { return isMemoType(f.type); });
  if (options_.version == 0) options_.version = hasMemo ? 0xF5 : 0x03;
  for (const auto& field : fields_) {
    if (field.name.empty() || field.name.size() > 10) throw std::invalid_argument("bad field name " + field.name);
    recordLength_ += field.width;
  }
  headerLength_ = 32 + 32 * static_cast<int>(fields_.size()) + 1 + (options_.version == 0x30 ? 263 : 0);
  record_.assign(static_cast<std::size_t>(recordLength_), ' ');
  if (hasMemo) memo_ = std::make_unique<FptWriter>(replaceExtension(path, ".FPT"), options_.memoBlockSize);
  writeHeader();
}

DbfWriter::~DbfWriter() {
  try {
    finish();
  } catch (...) {
    // Destructors must not throw; finish() explicitly to see errors.
  }
}

void DbfWriter::writeHeader() {
  std::vector<unsigned char> header(static_cast<std::size_t>(headerLength_), 0);
  header[0] = options_.version;
  header[1] = static_cast<unsigned char>(options_.lastUpdate.year % 100);
  header[2] = static_cast<unsigned char>(options_.lastUpdate.month);
  header[3] = static_cast<unsigned char>(options_.lastUpdate.day);
  encodeLE32(header.data() + 4, static_cast<std::uint32_t>(recordCount_));
  encodeLE16(header.data() + 8, static_cast<std::uint16_t>(headerLength_));
  encodeLE16(header.data() + 10, static_cast<std::uint16_t>(recordLength_));
  if (options_.version == 0x30 && memo_) header[28] = 0x02;
  header[29] = options_.codePageMark;
  int offset = 1;
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    unsigned char* d = header.data() + 32 + 32 * i;
    const auto& field = fields_[i];
    std::memcpy(d, field.name.data(), field.name.size());
    d[11] = static_cast<unsigned char>(field.type);
    encodeLE32(d + 12, static_cast<std::uint32_t>(offset));
    if (field.type == 'C') {
      d[16] = static_cast<unsigned char>(field.width & 0xFF);
      d[17] = static_cast<unsigned char>(field.width >> 8);
    } else {
      d[16] = static_cast<unsigned char>(field.width);
      d[17] = static_cast<unsigned char>(field.decimals);
    }
    offset += field.width;
  }
  header[32 + 32 * fields_.size()] = 0x0D;
  out_.seekp(0);
  out_.write(reinterpret_cast<const char*>(header.data()), static_cast<std::streamsize>(header.size()));
}

void DbfWriter::encodeField(char* out, const FieldSpec& field, const FieldValue& value) {
  const auto width = static_cast<std::size_t>(field.width);
  std::memset(out, ' ', width);
  if (std::holds_alternative<std::monostate>(value)) {
    if (options_.version == 0x30 &&
        (field.type == 'I' || field.type == 'Y' || field.type == 'T' || field.type == 'B')) {
      std::memset(out, 0, width);
    }
    return;
  }
  const auto* text = std::get_if<std::string>(&value);
  const auto* number = std::get_if<double>(&value);
  const auto* integer = std::get_if<long long>(&value);
  const auto* logical = std::get_if<bool>(&value);
  const auto* date = std::get_if<CivilDate>(&value);
  auto putLeft = [&](const std::string& s) {
    if (s.size() > width) throw std::invalid_argument("value too long for field " + field.name);
    std::memcpy(out, s.data(), s.size());
  };
  auto putRight = [&](const std::string& s) {
    if (s.size() > width) throw std::invalid_argument("value too wide for field " + field.name);
    std::memcpy(out + width - s.size(), s.data(), s.size());
  };
  auto* bytes = reinterpret_cast<unsigned char*>(out);
  switch (field.type) {
    case 'C':
      putLeft(text      ? *text
              : number  ? formatNumber(*number, 0, field.decimals)
              : integer ? std::to_string(*integer)
                        : "");
      break;
    case 'N':
    case 'F':
      if (text) putRight(*text);
      if (number) putRight(formatNumber(*number, field.width, field.decimals));
      if (integer) putRight(formatNumber(static_cast<double>(*integer), field.width, field.decimals));
      break;
    case 'D':
      if (date) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date->year, date->month, date->day);
        putLeft(buffer);
      }
      if (text) putLeft(*text);
      break;
    case 'L':
      if (logical) out[0] = *logical ? 'T' : 'F';
      if (text) putLeft(*text);
      break;
    case 'M':
    case 'G':
    case 'B':
      if (text && !text->empty()) {
        if (!memo_) throw std::invalid_argument("no memo file for field " + field.name);
        const std::uint32_t block = memo_->add(*text);
        if (options_.version == 0x30) {
          encodeLE32(bytes, block);
        } else {
          putRight(std::to_string(block));
        }
      }
      break;
    case 'I':
      encodeLE32(bytes, static_cast<std::uint32_t>(static_cast<std::int32_t>(integer  ? *integer
                                                                             : number ? static_cast<long long>(*number)
                                                                                      : 0)));
      break;
    case 'Y':
      encodeLE64(bytes, static_cast<std::uint64_t>(static_cast<std::int64_t>((number    ? *number
                                                                              : integer ? static_cast<double>(*integer)
                                                                                        : 0) *
                                                                             10000.0)));
      break;
    default:
      if (text) putLeft(*text);
      break;
  }
}

void DbfWriter::addRecord(const std::vector<FieldValue>& values, bool deleted) {
  if (finished_) throw std::logic_error("table already finished");
  record_[0] = deleted ? '*' : ' ';
  char* out = record_.data() + 1;
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    encodeField(out, fields_[i], i < values.size() ? values[i] : FieldValue{});
    out += fields_[i].width;
  }
  out_.write(record_.data(), static_cast<std::streamsize>(record_.size()));
  ++recordCount_;
}

void DbfWriter::finish() {
  if (finished_) return;
  finished_ = true;
  out_.put(0x1A);
  writeHeader();
  out_.close();
  if (memo_) memo_->finish();
  if (!out_) throw std::runtime_error("cannot write " + path_);
}

FptWriter::FptWriter(const std::string& path, std::uint16_t blockSize)
    : out_(path, std::ios::binary | std::ios::trunc), blockSize_(blockSize) {
  if (!out_) throw std::runtime_error("cannot create " + path);
  if (blockSize_ == 0) throw std::invalid_argument("memo block size 0");
  // The header takes the first 512 bytes; memos start at the next whole block.
  nextBlock_ = (512 + blockSize_ - 1) / blockSize_;
  std::vector<char> header(static_cast<std::size_t>(nextBlock_) * blockSize_, 0);
  out_.write(header.data(), static_cast<std::streamsize>(header.size()));
}

FptWriter::~FptWriter() {
  try {
    finish();
  } catch (...) {
  }
}

std::uint32_t FptWriter::add(const std::string& text) {
  const std::uint32_t block = nextBlock_;
  unsigned char header[8];
  encodeBE32(header, 1);
  encodeBE32(header + 4, static_cast<std::uint32_t>(text.size()));
  out_.write(reinterpret_cast<const char*>(header), 8);
  out_.write(text.data(), static_cast<std::streamsize>(text.size()));
  const std::size_t used = 8 + text.size();
  const std::size_t blocks = (used + blockSize_ - 1) / blockSize_;
  const std::size_t pad = blocks * blockSize_ - used;
  static const char zeros[4096] = {};
  for (std::size_t left = pad; left > 0;) {
    const std::size_t n = std::min(left, sizeof zeros);
    out_.write(zeros, static_cast<std::streamsize>(n));
    left -= n;
  }
  nextBlock_ += static_cast<std::uint32_t>(blocks);
  return block;
}

void FptWriter::finish() {
  if (finished_) return;
  finished_ = true;
  unsigned char header[8] = {};
  encodeBE32(header, nextBlock_);
  encodeBE16(header + 6, blockSize_);
  out_.seekp(0);
  out_.write(reinterpret_cast<const char*>(header), 8);
  out_.close();
}

}  // namespace kestrin::dbf
