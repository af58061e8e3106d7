// Compact leaf nodes: the bit-field decoding and the writer's choice of bit widths.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cdx_test_support.h"
#include "dbf/cdx/cdx_node.h"
#include "dbf/writer/cdx_tree_builder.h"

namespace kestrin::dbf {
namespace {

using namespace cdxtest;

// A root leaf with 3-byte entries: 16 record bits, 4 duplicate bits, 4 trailing bits.
std::string leafBlock(std::uint16_t count) {
  std::string node(kCdxBlockSize, '\0');
  putLE16(node, 0, 3);
  putLE16(node, 2, count);
  putLE32(node, 4, 0xFFFFFFFF);
  putLE32(node, 8, 0xFFFFFFFF);
  putLE32(node, 14, 0xFFFF);
  node[18] = 0x0F;
  node[19] = 0x0F;
  node[20] = 16;
  node[21] = 4;
  node[22] = 4;
  node[23] = 3;
  return node;
}

void putEntry(std::string& node, int i, std::uint32_t recNo, unsigned dup, unsigned trail) {
  const std::uint32_t v = recNo | (dup << 16) | (trail << 20);
  for (int b = 0; b < 3; ++b)
    node[24 + 3 * static_cast<std::size_t>(i) + static_cast<std::size_t>(b)] = static_cast<char>(v >> (8 * b));
}

IndexNode decode(const std::string& node, CdxKeyType type = CdxKeyType::Character) {
  IndexNode decoded;
  const auto* p = reinterpret_cast<const unsigned char*>(node.data());
  decoded.decode(p, p + node.size(), 512, {10, type, CdxCollation::Machine}, "t.cdx");
  return decoded;
}

TEST(CdxLeaf, FirstEntryTakesItsBytesFromTheEndOfTheNode) {
  std::string node = leafBlock(1);
  putEntry(node, 0, 5, 0, 3);
  std::memcpy(node.data() + 512 - 7, "ABCDEFG", 7);
  const IndexNode leaf = decode(node);
  ASSERT_TRUE(leaf.isLeaf());
  ASSERT_EQ(leaf.count(), 1);
  EXPECT_EQ(leaf.key(0), "ABCDEFG");
  EXPECT_EQ(leaf.entry(0).recNo, 5u);
}

TEST(CdxLeaf, SmithAndSmytheShareTwoBytes) {
  const std::string image = buildCdxImage({characterTag("NAME", 10, {{"SMYTHE", 2}, {"SMITH", 1}})});
  auto file = CdxFile::openImage("t.cdx", image);
  CdxTag& tag = *file->findTag("NAME");
  const std::uint32_t root = le32At(image, tag.headerOffset());
  const std::string node = image.substr(root, kCdxBlockSize);
  ASSERT_EQ(le16At(node, 0), 3);  // a root leaf
  ASSERT_EQ(le16At(node, 2), 2);
  const unsigned bytesPerEntry = static_cast<unsigned char>(node[23]);
  const unsigned recBits = static_cast<unsigned char>(node[20]);
  const unsigned dupBits = static_cast<unsigned char>(node[21]);
  std::uint64_t second = 0;
  for (unsigned b = 0; b < bytesPerEntry; ++b) {
    second |= std::uint64_t{static_cast<unsigned char>(node[24 + bytesPerEntry + b])} << (8 * b);
  }
  EXPECT_EQ(second & 0xFFFF, 2u);
  EXPECT_EQ((second >> recBits) & 0x0F, 2u) << "duplicate count";
  EXPECT_EQ((second >> (recBits + dupBits)) & 0x0F, 4u) << "trailing count";
  EXPECT_EQ(node.substr(512 - 5, 5), "SMITH");
  EXPECT_EQ(node.substr(512 - 9, 4), "YTHE");

  EXPECT_EQ(walk(tag, true), (std::vector<KeyRec>{{"SMITH", 1}, {"SMYTHE", 2}}));
}

TEST(CdxLeafBits, WidthsFollowKeyLengthAndRecordCount) {
  struct Case {
    std::size_t keyLength;
    std::uint32_t highest;
    unsigned bytes, rec, dup, trail;
  };
  const std::vector<Case> cases = {
      {10, 100, 3, 16, 4, 4},     {10, 65535, 3, 16, 4, 4},     {10, 65536, 4, 24, 4, 4},
      {8, 16777216, 5, 32, 4, 4}, {240, 255, 3, 8, 8, 8},       {240, 256, 4, 16, 8, 8},
      {100, 1000, 3, 10, 7, 7},   {1, 0xFFFFFFFF, 5, 32, 4, 4}, {8, 0xFFFFFFFF, 5, 32, 4, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.keyLength) + "/" + std::to_string(c.highest));
    const CdxLeafBits bits = CdxLeafBits::choose(c.keyLength, c.highest);
    EXPECT_EQ(bits.bytesPerEntry, c.bytes);
    EXPECT_EQ(bits.recNoBits, c.rec);
    EXPECT_EQ(bits.duplicateBits, c.dup);
    EXPECT_EQ(bits.trailingBits, c.trail);
  }
}

}  // namespace
}  // namespace kestrin::dbf
