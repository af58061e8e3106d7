#include "dbf/cursor/huge_bit_set.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace kestrin::dbf {
namespace {

// Random sets across page borders, checked against std::set.
TEST(HugeBitSet, AgreesWithASetModel) {
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    HugeBitSet bits;
    std::set<int> model;
    const int span = round % 2 ? 300000 : 1000;
    for (int i = 0; i < 200; ++i) {
      const int n = static_cast<int>(random() % static_cast<unsigned>(span));
      bits.set(n);
      model.insert(n);
    }
    EXPECT_EQ(bits.highest(), *model.rbegin());
    for (int probe = 0; probe < 500; ++probe) {
      const int n = static_cast<int>(random() % static_cast<unsigned>(span + 10));
      EXPECT_EQ(bits.test(n), model.count(n) == 1);
      const auto above = model.lower_bound(n);
      EXPECT_EQ(bits.nextSet(n), above == model.end() ? -1 : *above) << n;
      const auto atOrBelow = model.upper_bound(n);
      EXPECT_EQ(bits.priorSet(n), atOrBelow == model.begin() ? -1 : *std::prev(atOrBelow)) << n;
    }
  }
}

TEST(HugeBitSet, ClearEmptiesEverything) {
  HugeBitSet bits;
  bits.set(5);
  bits.set(HugeBitSet::kBitsPerPage * 3 + 1);
  bits.clear();
  EXPECT_EQ(bits.highest(), -1);
  EXPECT_FALSE(bits.test(5));
  EXPECT_EQ(bits.nextSet(0), -1);
  EXPECT_EQ(bits.priorSet(1 << 20), -1);
}

}  // namespace
}  // namespace kestrin::dbf
