#include "dbf/cursor/bit_rank.h"

#include <algorithm>
#include <bit>

namespace kestrin::dbf {
namespace {

constexpr int kWordsPerBlock = BitRank::kBlockBits / 64;

// Position of the k-th (from 0) set bit of `word`, which has more than k.
int selectInWord(std::uint64_t word, int k) {
  for (; k > 0; --k) word &= word - 1;
  return std::countr_zero(word);
}

}  // namespace

BitRank::BitRank(const HugeBitSet& bits) : bits_(&bits) {
  if (bits.highest() < 0) return;
  const int blocks = bits.highest() / kBlockBits + 1;
  before_.reserve(static_cast<std::size_t>(blocks));
  int total = 0;
  for (int block = 0; block < blocks; ++block) {
    before_.push_back(total);
    const int first = block * kBlockBits;
    const std::uint64_t* words = bits.pageWords(static_cast<std::size_t>(first / HugeBitSet::kBitsPerPage));
    if (!words) continue;
    const int w = first % HugeBitSet::kBitsPerPage / 64;
    for (int i = 0; i < kWordsPerBlock; ++i) total += std::popcount(words[w + i]);
  }
  count_ = total;
}

std::uint64_t BitRank::word(int n) const {
  const std::uint64_t* words = bits_->pageWords(static_cast<std::size_t>(n / HugeBitSet::kBitsPerPage));
  return words ? words[n % HugeBitSet::kBitsPerPage / 64] : 0;
}

int BitRank::rank(int n) const {
  if (n <= 0 || count_ == 0) return 0;
  const int block = n / kBlockBits;
  if (block >= static_cast<int>(before_.size())) return count_;
  int result = before_[static_cast<std::size_t>(block)];
  const int blockStart = block * kBlockBits;
  for (int start = blockStart; start + 64 <= n; start += 64) result += std::popcount(word(start));
  const int tail = n % 64;
  if (tail != 0) result += std::popcount(word(n - tail) & ((std::uint64_t{1} << tail) - 1));
  return result;
}

int BitRank::select(int k) const {
  if (k < 0 || k >= count_) return -1;
  // The last block with fewer than k + 1 set bits before it holds the k-th.
  const auto it = std::upper_bound(before_.begin(), before_.end(), k);
  const int block = static_cast<int>(it - before_.begin()) - 1;
  int left = k - before_[static_cast<std::size_t>(block)];
  for (int start = block * kBlockBits;; start += 64) {
    const std::uint64_t bits = word(start);
    const int here = std::popcount(bits);
    if (left < here) return start + selectInWord(bits, left);
    left -= here;
  }
}

}  // namespace kestrin::dbf
