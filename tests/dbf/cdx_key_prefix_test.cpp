// Key-prefix ranges of a tag of many leaves, against a sorted model of its
// keys: the records of a range, its first and last entries, the limit, and
// the tag's own position left alone.
#include "dbf/cdx/cdx_key_prefix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "cdx_test_support.h"

namespace kestrin::dbf {
namespace {

using cdxtest::KeyRec;

// 3,000 keys over a few hundred distinct values, so that ranges span leaves
// and equal keys spread over more than one leaf.
std::vector<KeyRec> modelKeys() {
  std::mt19937 random(7);
  std::vector<KeyRec> keys;
  const char* heads[] = {"A", "AB", "ABC", "B", "\xFF", "\xFF\xFF"};
  for (std::uint32_t r = 1; r <= 3000; ++r) {
    std::string key = heads[random() % 6];
    key += std::to_string(random() % 400);
    keys.emplace_back(key, r);
  }
  return keys;
}

std::vector<std::uint32_t> modelRange(std::vector<KeyRec> keys, const std::string& prefix) {
  std::sort(keys.begin(), keys.end());
  std::vector<std::uint32_t> records;
  for (const auto& [key, rec] : keys) {
    if (key.compare(0, prefix.size(), prefix) == 0) records.push_back(rec);
  }
  return records;
}

TEST(CdxKeyPrefix, RangesHoldTheModelsKeysInKeyOrderBothWays) {
  const auto keys = modelKeys();
  for (bool descending : {false, true}) {
    auto tagInput = cdxtest::characterTag("K", 12, keys);
    tagInput.descending = descending;
    auto file = cdxtest::openImage({tagInput});
    CdxTag& tag = *file->findTag("K");
    for (const std::string prefix : {"A", "AB", "ABC3", "B1", "\xFF", "\xFF\xFF",
                                     "\xFF\xFF"
                                     "7",
                                     "C", "0"}) {
      const auto expected = modelRange(keys, prefix);
      EXPECT_EQ(cdxRecordsWithPrefix(tag, prefix, 5000), expected) << prefix << " descending " << descending;
      if (descending) continue;
      EXPECT_EQ(cdxFirstWithPrefix(tag, prefix), expected.empty() ? 0 : expected.front()) << prefix;
      EXPECT_EQ(cdxLastWithPrefix(tag, prefix), expected.empty() ? 0 : expected.back()) << prefix;
    }
  }
}

TEST(CdxKeyPrefix, ARangeLargerThanTheLimitGivesNothing) {
  const auto keys = modelKeys();
  auto file = cdxtest::openImage({cdxtest::characterTag("K", 12, keys)});
  const std::size_t size = modelRange(keys, "A").size();
  EXPECT_FALSE(cdxRecordsWithPrefix(*file->findTag("K"), "A", size - 1).has_value());
  EXPECT_EQ(cdxRecordsWithPrefix(*file->findTag("K"), "A", size)->size(), size);
}

TEST(CdxKeyPrefix, WalkingARangeLeavesTheTagWhereItWas) {
  const auto keys = modelKeys();
  auto file = cdxtest::openImage({cdxtest::characterTag("K", 12, keys)});
  CdxTag& tag = *file->findTag("K");
  tag.first();
  for (int i = 0; i < 700; ++i) tag.next();
  const std::uint32_t before = tag.recNo();
  const std::string key(tag.currentKey());
  ASSERT_TRUE(cdxRecordsWithPrefix(tag, "B", 5000).has_value());
  EXPECT_EQ(tag.recNo(), before);
  EXPECT_EQ(tag.currentKey(), key);
  tag.next();
  tag.prior();
  EXPECT_EQ(tag.recNo(), before);
}

}  // namespace
}  // namespace kestrin::dbf
