// Moving through a tag's tree: crossing leaves through their parents, reading
// only what a movement needs, positioning on records, re-reading the path.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "cdx_test_support.h"

namespace kestrin::dbf {
namespace {

using namespace cdxtest;

std::string number(std::uint32_t i) {
  std::string s = std::to_string(i);
  return std::string(7 - s.size(), ' ') + s;  // a KOD-style key
}

std::vector<KeyRec> numberedKeys(std::uint32_t count) {
  std::vector<KeyRec> keys;
  for (std::uint32_t r = 1; r <= count; ++r) keys.emplace_back(number(r), r);
  return keys;
}

// Levels of the tree under a tag and the entries of its root, from the bytes.
struct Shape {
  int levels = 0;
  int rootCount = 0;
  std::uint32_t firstLeaf = 0;
};

Shape shapeOf(const std::string& image, const CdxTag& tag) {
  Shape s;
  std::uint32_t node = le32At(image, tag.headerOffset());
  s.rootCount = le16At(image, node + 2);
  for (;;) {
    ++s.levels;
    if (le16At(image, node) >= 2) break;
    node = be32At(image, node + 12 + tag.keyLength() + 4);
  }
  s.firstLeaf = node;
  return s;
}

TEST(CdxTraversal, LargeTableBuildsThreeOrMoreLevels) {
  std::vector<std::pair<double, std::uint32_t>> values;
  for (std::uint32_t r = 1; r <= 200000; ++r) values.emplace_back((r * 7919u) % 200000, r);
  const std::string image = buildCdxImage({numberTag("BIG", values)});
  auto file = CdxFile::openImage("big.cdx", image);
  CdxTag& tag = *file->findTag("BIG");
  tag.setKeyType(CdxKeyType::Numeric);
  EXPECT_GE(shapeOf(image, tag).levels, 3);

  std::size_t count = 0;
  std::string previous;
  for (std::uint32_t r = tag.first(); r != 0; r = tag.next(), ++count) {
    ASSERT_LT(previous, std::string(tag.currentKey()));
    previous = std::string(tag.currentKey());
  }
  EXPECT_EQ(count, values.size());
  const std::uint32_t r = tag.seek(tag.keyFromNumber(123456), CdxMatch::Exact);
  EXPECT_EQ(std::uint64_t{r} * 7919u % 200000u, 123456u);
  EXPECT_EQ(tag.currentKey(), tag.keyFromNumber(123456));
}

TEST(CdxTraversal, StepWithinLeafReadsNothingAndAcrossLeavesReadsTheLeaf) {
  const std::string image = buildCdxImage({characterTag("KOD", 7, numberedKeys(3000))});
  auto source = std::make_unique<CountingSource>(image);
  CountingSource& counter = *source;
  auto file = CdxFile::open("kod.cdx", std::move(source));
  CdxTag& tag = *file->findTag("KOD");
  const Shape shape = shapeOf(image, tag);
  ASSERT_EQ(shape.levels, 2);
  const int firstLeafCount = le16At(image, shape.firstLeaf + 2);

  counter.reads = 0;
  EXPECT_EQ(tag.first(), 1u);
  EXPECT_EQ(counter.reads, 2) << "root and first leaf";
  for (int i = 1; i < firstLeafCount; ++i) tag.next();
  EXPECT_EQ(counter.reads, 2) << "steps within the leaf";
  EXPECT_EQ(tag.recNo(), static_cast<std::uint32_t>(firstLeafCount));

  // Next at the end of a leaf moves into the next leaf through the parent.
  EXPECT_EQ(tag.next(), static_cast<std::uint32_t>(firstLeafCount + 1));
  EXPECT_EQ(counter.reads, 3);
  EXPECT_EQ(tag.prior(), static_cast<std::uint32_t>(firstLeafCount));
  EXPECT_EQ(counter.reads, 4);

  counter.reads = 0;
  std::uint32_t steps = 0;
  for (std::uint32_t r = tag.first(); r != 0; r = tag.next()) ++steps;
  EXPECT_EQ(steps, 3000u);
  EXPECT_EQ(counter.reads, 1 + shape.rootCount) << "root once, every leaf once";
}

TEST(CdxTraversal, NextAtTheVeryLastEntryGivesEof) {
  auto file = openImage({characterTag("KOD", 7, numberedKeys(500))});
  CdxTag& tag = *file->findTag("KOD");
  EXPECT_EQ(tag.last(), 500u);
  EXPECT_EQ(tag.next(), 0u);
  EXPECT_TRUE(tag.eof());
  EXPECT_FALSE(tag.bof());
  EXPECT_EQ(tag.next(), 0u);
  EXPECT_TRUE(tag.eof());
  EXPECT_EQ(tag.current(), 0u);
  EXPECT_EQ(tag.prior(), 500u);
  EXPECT_FALSE(tag.eof());

  EXPECT_EQ(tag.first(), 1u);
  EXPECT_EQ(tag.prior(), 0u);
  EXPECT_TRUE(tag.bof());
  EXPECT_EQ(tag.next(), 1u);
}

TEST(CdxTraversal, PositionOnRecordFindsItsEntry) {
  std::vector<KeyRec> keys = numberedKeys(2000);
  keys.emplace_back(number(1500), 2500);  // a duplicate key with a higher record
  auto file = openImage({characterTag("KOD", 7, keys)});
  CdxTag& tag = *file->findTag("KOD");

  CdxPosition p = tag.positionOnRecord(tag.keyFromText(number(1500)), 2500);
  EXPECT_TRUE(p.found);
  EXPECT_EQ(p.recNo, 2500u);
  EXPECT_EQ(tag.prior(), 1500u);
  EXPECT_EQ(tag.next(), 2500u);
  EXPECT_EQ(tag.next(), 1501u);

  p = tag.positionOnRecord(tag.keyFromText(number(1501)), 1501);
  EXPECT_TRUE(p.found) << "already there";

  // A record whose key was changed after the index was built has no entry:
  // the tag goes to its first entry.
  p = tag.positionOnRecord(tag.keyFromText("CHANGED"), 700);
  EXPECT_FALSE(p.found);
  EXPECT_EQ(p.recNo, 1u);
  EXPECT_EQ(tag.recNo(), 1u);
  // Right key, record not in the tag (left out by a FOR condition).
  p = tag.positionOnRecord(tag.keyFromText(number(1500)), 9999);
  EXPECT_FALSE(p.found);
  EXPECT_EQ(p.recNo, 1u);
}

TEST(CdxTraversal, PositionOnRecordInDescendingTagGoesToItsFirst) {
  CdxTagInput input = characterTag("KOD", 7, numberedKeys(300));
  input.descending = true;
  auto file = openImage({input});
  CdxTag& tag = *file->findTag("KOD");
  EXPECT_EQ(tag.positionOnRecord(tag.keyFromText(number(120)), 120).recNo, 120u);
  EXPECT_EQ(tag.next(), 119u);
  EXPECT_EQ(tag.positionOnRecord(tag.keyFromText("X"), 5).recNo, 300u);
}

TEST(CdxTraversal, CurrentReReadsThePath) {
  auto file = openImage({characterTag("KOD", 7, numberedKeys(1000))});
  CdxTag& tag = *file->findTag("KOD");
  EXPECT_EQ(tag.current(), 0u) << "not positioned";
  EXPECT_TRUE(tag.eof());
  EXPECT_TRUE(tag.bof());
  tag.seek(tag.keyFromText(number(640)), CdxMatch::Exact);
  EXPECT_EQ(tag.current(), 640u);
  EXPECT_EQ(tag.next(), 641u);
  EXPECT_EQ(tag.currentKey(), number(641));
  tag.release();
  EXPECT_EQ(tag.recNo(), 0u);
  EXPECT_EQ(tag.next(), 1u) << "next from nowhere starts at the first entry";
}

TEST(CdxTraversal, SeekPastTheEndLeavesTheTagAtEof) {
  auto file = openImage({characterTag("KOD", 7, numberedKeys(900))});
  CdxTag& tag = *file->findTag("KOD");
  EXPECT_EQ(tag.seek("Z", CdxMatch::Partial), 0u);
  EXPECT_TRUE(tag.eof());
  EXPECT_EQ(tag.prior(), 900u);
  EXPECT_EQ(tag.seek(" ", CdxMatch::Exact), 0u);
  EXPECT_EQ(tag.recNo(), 1u) << "on the first greater entry";
}

}  // namespace
}  // namespace kestrin::dbf
