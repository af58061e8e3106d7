// Counting, ranking and selecting over filter bits, against a plain sorted
// list of the set numbers.
#include "dbf/cursor/bit_rank.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "support/case_names.h"

namespace kestrin::dbf {
namespace {

struct Spread {
  const char* name;
  int span;     // numbers drawn from 0..span-1
  int density;  // one in `density` is set
  int gapPage;  // a page left without any bit (never allocated); -1 for none
};

class BitRankTest : public ::testing::TestWithParam<Spread> {};

TEST_P(BitRankTest, AgreesWithASortedList) {
  const Spread spread = GetParam();
  std::mt19937 random(11);
  HugeBitSet bits;
  std::set<int> model;
  for (int n = 0; n < spread.span; ++n) {
    if (n / HugeBitSet::kBitsPerPage == spread.gapPage) continue;
    if (static_cast<int>(random() % static_cast<unsigned>(spread.density)) == 0) {
      bits.set(n);
      model.insert(n);
    }
  }
  const std::vector<int> sorted(model.begin(), model.end());
  const BitRank rank(bits);
  ASSERT_EQ(rank.count(), static_cast<int>(sorted.size()));

  for (int probe = 0; probe < 3000; ++probe) {
    const int n = static_cast<int>(random() % static_cast<unsigned>(spread.span + 600)) - 100;
    const auto below = std::lower_bound(sorted.begin(), sorted.end(), n) - sorted.begin();
    EXPECT_EQ(rank.rank(n), static_cast<int>(below)) << n;
  }
  for (std::size_t k = 0; k < sorted.size(); k += 1 + sorted.size() / 5000) {
    EXPECT_EQ(rank.select(static_cast<int>(k)), sorted[k]) << k;
  }
  if (!sorted.empty()) {
    EXPECT_EQ(rank.select(static_cast<int>(sorted.size()) - 1), sorted.back());
  }
  EXPECT_EQ(rank.select(static_cast<int>(sorted.size())), -1);
  EXPECT_EQ(rank.select(-1), -1);
}

INSTANTIATE_TEST_SUITE_P(Spreads, BitRankTest,
                         ::testing::Values(Spread{"dense", 5000, 1, -1}, Spread{"half", 300000, 2, -1},
                                           Spread{"sparse", 400000, 997, -1},
                                           Spread{"a_page_unallocated", 3 * HugeBitSet::kBitsPerPage + 77, 3, 1},
                                           Spread{"one_in_a_block", 70000, 600, -1}, Spread{"none", 1000, 1 << 30, -1}),
                         kestrin::testing::labelled([](const Spread& s) { return std::string(s.name); }));

TEST(BitRank, ClearedAndEmptySetsCountNothing) {
  HugeBitSet bits;
  EXPECT_EQ(BitRank(bits).count(), 0);
  bits.set(5);
  bits.set(HugeBitSet::kBitsPerPage + 9);
  EXPECT_EQ(BitRank(bits).select(1), HugeBitSet::kBitsPerPage + 9);
  bits.clear();
  const BitRank cleared(bits);
  EXPECT_EQ(cleared.count(), 0);
  EXPECT_EQ(cleared.rank(HugeBitSet::kBitsPerPage + 10), 0);
  EXPECT_EQ(cleared.select(0), -1);
}

}  // namespace
}  // namespace kestrin::dbf
