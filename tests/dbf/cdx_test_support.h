// Builders and walkers shared by the CDX tests.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dbf/base/byte_source.h"
#include "dbf/base/coding.h"
#include "dbf/cdx/cdx_file.h"
#include "dbf/cdx/cdx_keys.h"
#include "dbf/writer/cdx_writer.h"

namespace kestrin::dbf::cdxtest {

using KeyRec = std::pair<std::string, std::uint32_t>;

inline CdxTagInput characterTag(std::string name, std::uint16_t width, const std::vector<KeyRec>& keys) {
  CdxTagInput tag;
  tag.keyExpression = name;
  tag.name = std::move(name);
  tag.keyLength = width;
  for (const auto& [key, rec] : keys) tag.keys.push_back({key, rec});
  return tag;
}

inline CdxTagInput numberTag(std::string name, const std::vector<std::pair<double, std::uint32_t>>& keys,
                             CdxKeyType type = CdxKeyType::Numeric) {
  CdxTagInput tag;
  tag.keyExpression = name;
  tag.name = std::move(name);
  tag.keyType = type;
  tag.keyLength = 8;
  for (const auto& [value, rec] : keys) tag.keys.push_back({cdxNumberKeyBytes(value), rec});
  return tag;
}

inline std::unique_ptr<CdxFile> openImage(const std::vector<CdxTagInput>& tags) {
  return CdxFile::openImage("test.cdx", buildCdxImage(tags));
}

// (key, record) pairs met by stepping from first to the end, or from last back.
inline std::vector<KeyRec> walk(CdxTag& tag, bool forward) {
  std::vector<KeyRec> seen;
  for (std::uint32_t r = forward ? tag.first() : tag.last(); r != 0; r = forward ? tag.next() : tag.prior()) {
    seen.emplace_back(std::string(tag.currentKey()), r);
  }
  return seen;
}

// A byte source that counts the reads that reach it.
class CountingSource final : public ByteSource {
 public:
  explicit CountingSource(std::string bytes) : inner_("counted.cdx", std::move(bytes)) {}
  std::size_t read(std::int64_t offset, void* buffer, std::size_t length) const override {
    ++reads;
    return inner_.read(offset, buffer, length);
  }
  std::int64_t size() const override { return inner_.size(); }
  const std::string& name() const override { return inner_.name(); }
  mutable int reads = 0;

 private:
  MemoryImage inner_;
};

// Fields of a raw image, for tests that look at or damage the bytes.
inline std::uint32_t le32At(const std::string& image, std::size_t at) {
  return decodeLE32(reinterpret_cast<const unsigned char*>(image.data() + at));
}
inline std::uint16_t le16At(const std::string& image, std::size_t at) {
  return decodeLE16(reinterpret_cast<const unsigned char*>(image.data() + at));
}
inline std::uint32_t be32At(const std::string& image, std::size_t at) {
  return decodeBE32(reinterpret_cast<const unsigned char*>(image.data() + at));
}
inline void putLE16(std::string& image, std::size_t at, std::uint16_t v) {
  encodeLE16(reinterpret_cast<unsigned char*>(image.data() + at), v);
}
inline void putLE32(std::string& image, std::size_t at, std::uint32_t v) {
  encodeLE32(reinterpret_cast<unsigned char*>(image.data() + at), v);
}
inline void putBE32(std::string& image, std::size_t at, std::uint32_t v) {
  encodeBE32(reinterpret_cast<unsigned char*>(image.data() + at), v);
}

}  // namespace kestrin::dbf::cdxtest
