// A bit per record number, for the records that passed a filter. Pages of
// 16384 bytes (131072 numbers) are allocated zero-filled on first use, so a
// filter over a few records of a huge table costs little memory.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace kestrin::dbf {

class HugeBitSet {
 public:
  static constexpr int kPageBytes = 16384;
  static constexpr int kBitsPerPage = kPageBytes * 8;

  void set(int n);
  bool test(int n) const;
  // Zeroes every bit; the highest number becomes -1.
  void clear();

  int highest() const { return highest_; }
  // How many numbers are set.
  int count() const;
  // Lowest set number >= from, or -1.
  int nextSet(int from) const;
  // Highest set number <= from, or -1.
  int priorSet(int from) const;

  // The words of page `page` (bit n of the page is bit n % 64 of word n / 64),
  // or null when no bit of it was ever set; for counting (bit_rank.h).
  static constexpr int kWordsPerPage = kPageBytes / 8;
  std::size_t pageCount() const { return pages_.size(); }
  const std::uint64_t* pageWords(std::size_t page) const { return pages_[page].get(); }

 private:
  using Page = std::unique_ptr<std::uint64_t[]>;

  std::vector<Page> pages_;
  int highest_ = -1;
};

}  // namespace kestrin::dbf
