#include "dbf/writer/cdx_writer.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <stdexcept>

#include "dbf/base/coding.h"
#include "dbf/cdx/cdx_general_collation.h"
#include "dbf/writer/cdx_tree_builder.h"
#include "text/cp1251_case.h"
#include "text/trims.h"

namespace kestrin::dbf {

namespace {

constexpr std::size_t kTagNameLength = 10;
constexpr std::size_t kExpressionPool = 512;

struct SortableKey {
  std::string compared;  // the form the reader compares: the tree's order
  CdxStoredKey stored;
};

// The key as a reader compares it: character keys without trailing blanks and
// cut at the first NUL, GENERAL keys as their weights, numbers without trailing
// zero bytes. The tree is ordered by this form so that searches agree with it.
SortableKey makeKey(const CdxTagInput& tag, const CdxKeyEntry& entry) {
  if (entry.key.size() > tag.keyLength) {
    throw std::invalid_argument("CDX key longer than its tag's key length in tag " + tag.name);
  }
  SortableKey k;
  k.stored.recNo = entry.recNo;
  if (tag.keyType != CdxKeyType::Character) {
    k.stored.bytes = entry.key;
    k.stored.bytes.resize(tag.keyLength, '\0');
    k.compared = entry.key;
    while (!k.compared.empty() && k.compared.back() == '\0') k.compared.pop_back();
    return k;
  }
  std::string text = entry.key;
  text.resize(tag.keyLength, ' ');
  if (tag.collation == CdxCollation::General) {
    // Stored secondary weights keep only their low four bits; readers restore them.
    k.compared = generalCollationKey(text);
    k.stored.bytes = k.compared;
    for (std::size_t i = tag.keyLength; i < k.stored.bytes.size(); ++i) k.stored.bytes[i] &= 0x0F;
    if (k.stored.bytes.size() > 2u * tag.keyLength) {
      throw std::invalid_argument("GENERAL key weights too long in tag " + tag.name);
    }
    k.stored.bytes.resize(2u * tag.keyLength, ' ');
    return k;
  }
  k.stored.bytes = text;
  k.compared = text.substr(0, text.find('\0'));
  k.compared.resize(text::trimSpacesRight(k.compared).size());
  return k;
}

std::size_t storedKeyLength(const CdxTagInput& tag) {
  return tag.keyType == CdxKeyType::Character && tag.collation == CdxCollation::General ? 2u * tag.keyLength
                                                                                        : tag.keyLength;
}

void validate(const CdxTagInput& tag) {
  if (tag.name.empty() || tag.name.size() > kTagNameLength ||
      tag.name.find_first_of(std::string(" \0", 2)) != std::string::npos) {
    throw std::invalid_argument("CDX tag name must be 1..10 bytes without blanks: " + tag.name);
  }
  if (tag.keyExpression.empty()) throw std::invalid_argument("CDX tag without key expression: " + tag.name);
  if (tag.keyExpression.size() + tag.forExpression.size() + 2 > kExpressionPool) {
    throw std::invalid_argument("CDX key and FOR expressions too long in tag " + tag.name);
  }
  if (tag.keyType != CdxKeyType::Character && tag.keyLength != 8) {
    throw std::invalid_argument("CDX numeric and date keys are 8 bytes long: " + tag.name);
  }
  const std::size_t stored = storedKeyLength(tag);
  if (stored == 0 || stored > kCdxMaxKeyLength) {
    throw std::invalid_argument("CDX stored key length must be 1..240 in tag " + tag.name);
  }
}

CdxTreeBuilder buildTree(const CdxTagInput& tag) {
  std::vector<SortableKey> keys;
  keys.reserve(tag.keys.size());
  std::uint32_t highest = tag.recordCount;
  for (const CdxKeyEntry& entry : tag.keys) {
    keys.push_back(makeKey(tag, entry));
    highest = std::max(highest, entry.recNo);
  }
  // Unsigned byte order of the compared form, then record number.
  std::sort(keys.begin(), keys.end(), [](const SortableKey& a, const SortableKey& b) {
    if (a.compared != b.compared) return a.compared < b.compared;
    return a.stored.recNo < b.stored.recNo;
  });
  if (tag.unique) {
    keys.erase(std::unique(keys.begin(), keys.end(),
                           [](const SortableKey& a, const SortableKey& b) { return a.compared == b.compared; }),
               keys.end());
  }
  std::vector<CdxStoredKey> stored;
  stored.reserve(keys.size());
  for (SortableKey& k : keys) stored.push_back(std::move(k.stored));
  const unsigned char pad = tag.keyType == CdxKeyType::Character ? ' ' : 0x00;
  return CdxTreeBuilder(std::move(stored), storedKeyLength(tag), pad, highest);
}

struct HeaderFields {
  std::uint32_t rootOffset = 0;
  std::size_t keyLength = 0;
  std::uint8_t options = 0;
  const char* collation = "MACHINE";
  bool descending = false;
  std::string keyExpression;
  std::string forExpression;
};

void appendHeader(const HeaderFields& h, std::string& out) {
  const std::size_t at = out.size();
  out.resize(at + kCdxTagHeaderSize, '\0');
  auto* p = reinterpret_cast<unsigned char*>(out.data() + at);
  encodeLE32(p, h.rootOffset);
  encodeLE16(p + 12, static_cast<std::uint16_t>(h.keyLength));
  p[14] = h.options;
  p[15] = 1;  // signature
  std::copy_n(h.collation, std::char_traits<char>::length(h.collation), p + 494);
  encodeLE16(p + 502, h.descending ? 1 : 0);
  const std::size_t keySize = h.keyExpression.size() + 1;
  const std::size_t forSize = h.forExpression.empty() ? 0 : h.forExpression.size() + 1;
  encodeLE16(p + 504, static_cast<std::uint16_t>(keySize + forSize));
  encodeLE16(p + 506, static_cast<std::uint16_t>(forSize));
  encodeLE16(p + 510, static_cast<std::uint16_t>(keySize));
  std::copy(h.keyExpression.begin(), h.keyExpression.end(), p + 512);
  std::copy(h.forExpression.begin(), h.forExpression.end(), p + 512 + keySize);
}

}  // namespace

std::string buildCdxImage(const std::vector<CdxTagInput>& tags) {
  std::vector<std::string> names;
  std::vector<CdxTreeBuilder> trees;
  for (const CdxTagInput& tag : tags) {
    validate(tag);
    std::string name = text::upper1251(tag.name);
    if (std::find(names.begin(), names.end(), name) != names.end()) {
      throw std::invalid_argument("CDX tag name used twice: " + name);
    }
    names.push_back(std::move(name));
    trees.push_back(buildTree(tag));
  }

  // The directory lies right after its header and holds the tag header
  // offsets, which depend on its own size: settle both by repeating.
  std::vector<std::uint32_t> headerOffsets(tags.size());
  std::size_t directoryNodes = 1;
  std::optional<CdxTreeBuilder> directory;
  for (;;) {
    std::size_t offset = kCdxTagHeaderSize + directoryNodes * kCdxBlockSize;
    for (std::size_t i = 0; i < tags.size(); ++i) {
      headerOffsets[i] = static_cast<std::uint32_t>(offset);
      offset += kCdxTagHeaderSize + trees[i].nodeCount() * kCdxBlockSize;
    }
    if (offset > 0xFFFFFFFFu) throw std::invalid_argument("CDX file would exceed 4 GB");
    std::vector<CdxStoredKey> entries;
    std::uint32_t highest = 0;
    for (std::size_t i = 0; i < tags.size(); ++i) {
      std::string key = names[i];
      key.resize(kTagNameLength, ' ');
      entries.push_back({std::move(key), headerOffsets[i]});
      highest = std::max(highest, headerOffsets[i]);
    }
    std::sort(entries.begin(), entries.end(),
              [](const CdxStoredKey& a, const CdxStoredKey& b) { return a.bytes < b.bytes; });
    directory.emplace(std::move(entries), kTagNameLength, ' ', highest);
    if (directory->nodeCount() == directoryNodes) break;
    directoryNodes = directory->nodeCount();
  }

  std::string out;
  HeaderFields dirHeader;
  dirHeader.keyLength = kTagNameLength;
  dirHeader.options = kCdxOptionCompact | kCdxOptionCompound | kCdxOptionDirectory;
  appendHeader(dirHeader, out);
  encodeLE32(reinterpret_cast<unsigned char*>(out.data()),
             directory->emit(static_cast<std::uint32_t>(kCdxTagHeaderSize), out));

  for (std::size_t i = 0; i < tags.size(); ++i) {
    const CdxTagInput& tag = tags[i];
    HeaderFields h;
    h.keyLength = storedKeyLength(tag);
    h.options = kCdxOptionCompact | kCdxOptionCompound;
    if (tag.unique) h.options |= kCdxOptionUnique;
    if (!tag.forExpression.empty()) h.options |= kCdxOptionHasFor;
    h.collation =
        tag.keyType == CdxKeyType::Character && tag.collation == CdxCollation::General ? "GENERAL" : "MACHINE";
    h.descending = tag.descending;
    h.keyExpression = tag.keyExpression;
    h.forExpression = tag.forExpression;
    const std::size_t headerAt = out.size();
    appendHeader(h, out);
    const std::uint32_t root = trees[i].emit(headerOffsets[i] + static_cast<std::uint32_t>(kCdxTagHeaderSize), out);
    encodeLE32(reinterpret_cast<unsigned char*>(out.data() + headerAt), root);
  }
  return out;
}

void writeCdxFile(const std::filesystem::path& path, const std::vector<CdxTagInput>& tags) {
  const std::string image = buildCdxImage(tags);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(image.data(), static_cast<std::streamsize>(image.size()));
  if (!file.flush()) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace kestrin::dbf
