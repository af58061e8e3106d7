#include "dbf/cursor/huge_bit_set.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace kestrin::dbf {

void HugeBitSet::set(int n) {
  if (n < 0) return;
  const auto page = static_cast<std::size_t>(n / kBitsPerPage);
  if (page >= pages_.size()) pages_.resize(page + 1);
  if (!pages_[page]) pages_[page] = std::make_unique<std::uint64_t[]>(kWordsPerPage);  // zero-filled
  const int bit = n % kBitsPerPage;
  pages_[page][bit / 64] |= std::uint64_t{1} << (bit % 64);
  highest_ = std::max(highest_, n);
}

bool HugeBitSet::test(int n) const {
  if (n < 0 || n > highest_) return false;
  const auto page = static_cast<std::size_t>(n / kBitsPerPage);
  if (!pages_[page]) return false;
  const int bit = n % kBitsPerPage;
  return (pages_[page][bit / 64] >> (bit % 64)) & 1;
}

void HugeBitSet::clear() {
  for (auto& page : pages_) {
    if (page) std::memset(page.get(), 0, kPageBytes);
  }
  highest_ = -1;
}

int HugeBitSet::count() const {
  int total = 0;
  for (const auto& page : pages_) {
    if (!page) continue;
    for (int word = 0; word < kWordsPerPage; ++word) total += std::popcount(page[word]);
  }
  return total;
}

int HugeBitSet::nextSet(int from) const {
  if (from < 0) from = 0;
  while (from <= highest_) {
    const auto page = static_cast<std::size_t>(from / kBitsPerPage);
    if (!pages_[page]) {
      from = static_cast<int>((page + 1) * kBitsPerPage);
      continue;
    }
    const int bit = from % kBitsPerPage;
    int word = bit / 64;
    std::uint64_t bits = pages_[page][word] & (~std::uint64_t{0} << (bit % 64));
    while (true) {
      if (bits) {
        const int found = static_cast<int>(page) * kBitsPerPage + word * 64 + std::countr_zero(bits);
        return found <= highest_ ? found : -1;
      }
      if (++word == kWordsPerPage) break;
      bits = pages_[page][word];
    }
    from = static_cast<int>((page + 1) * kBitsPerPage);
  }
  return -1;
}

int HugeBitSet::priorSet(int from) const {
  if (from > highest_) from = highest_;
  while (from >= 0) {
    const auto page = static_cast<std::size_t>(from / kBitsPerPage);
    if (!pages_[page]) {
      from = static_cast<int>(page) * kBitsPerPage - 1;
      continue;
    }
    const int bit = from % kBitsPerPage;
    int word = bit / 64;
    const int shift = 63 - bit % 64;
    std::uint64_t bits = pages_[page][word] & (~std::uint64_t{0} >> shift);
    while (true) {
      if (bits) return static_cast<int>(page) * kBitsPerPage + word * 64 + 63 - std::countl_zero(bits);
      if (word-- == 0) break;
      bits = pages_[page][word];
    }
    from = static_cast<int>(page) * kBitsPerPage - 1;
  }
  return -1;
}

}  // namespace kestrin::dbf
