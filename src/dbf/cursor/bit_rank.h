// Counting over a filter's bits without visiting them one by one: how many
// numbers are set, how many lie below a number, and which is the k-th. A grid
// uses it to know its row count and the record of any row at once.
//
// Keeps the count of set bits before every block of 512 numbers (4 bytes per
// 512 numbers), so a rank or a select reads at most eight words after a
// binary search.
#pragma once

#include <cstdint>
#include <vector>

#include "dbf/cursor/huge_bit_set.h"

namespace kestrin::dbf {

class BitRank {
 public:
  static constexpr int kBlockBits = 512;

  BitRank() = default;
  // Counts the bits of `bits` as they are now; the set must not change, nor
  // go away, while the rank is used.
  explicit BitRank(const HugeBitSet& bits);

  // Set numbers in all.
  int count() const { return count_; }
  // Set numbers below `n`.
  int rank(int n) const;
  // The k-th set number, counting from 0; -1 when k < 0 or k >= count().
  int select(int k) const;

 private:
  // The word holding number `n`; 0 for a page that was never allocated.
  std::uint64_t word(int n) const;

  const HugeBitSet* bits_ = nullptr;
  std::vector<int> before_;  // set bits before each block
  int count_ = 0;
};

}  // namespace kestrin::dbf
