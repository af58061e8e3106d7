// Substring search with a byte-folding table (identity or upper case), used by
// the expression engine (AT, ATC, STRTRAN, "$" and the pattern comparison) and
// by the archival text rules. Where SSE2 is at hand, sixteen positions at a time
// (thirty-two where the processor has AVX2) are tested for the needle's first and last bytes (in either case) and only
// those candidates compared; elsewhere Horspool's skip loop does the work. A
// search that costs more than a few passes over its text finishes with
// Knuth-Morris-Pratt, so that no pair of texts makes it quadratic.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrin::text {

using FoldTable = std::array<unsigned char, 256>;

// The table that leaves every byte as it is; text::kUpperTable
// (text/cp1251_case.h) is the one that ignores case.
const FoldTable& identityFold();

class TextSearcher {
 public:
  // Keeps a folded copy of `needle`; `fold` must outlive the searcher.
  void prepare(std::string_view needle, const FoldTable& fold);
  // The position of the needle's first occurrence in `text` (its bytes folded
  // as they are read), or npos. An empty needle occurs at 0.
  std::size_t find(std::string_view text) const;
  bool foundIn(std::string_view text) const { return find(text) != std::string_view::npos; }
  // As find over `text` without its trailing blanks and controls (every code
  // up to 32), where at least `minLength` bytes remain; npos where fewer do.
  // A search word's comparison with a blank-padded field.
  std::size_t findInTrimmed(std::string_view text, std::size_t minLength) const;
  // The same search over the fields of a block of records: of the fields of
  // `width` bytes, `stride` bytes apart from `first`, one per flag, sets the
  // flag of each that findInTrimmed(field, minLength) finds the needle in.
  // Fields whose flag is set already are not searched.
  void flagFieldsHolding(const char* first, std::size_t stride, std::size_t width, std::size_t minLength,
                         std::span<char> flags) const;

 private:
  // find over `text`, whose bytes may be read up to `room` from its start:
  // a text shorter than a block is then tested in one block all the same.
  std::size_t findWithin(std::string_view text, std::size_t room) const;
  std::size_t findByBlocks(std::string_view text, std::size_t room, std::size_t& pos, std::size_t& budget) const;
  std::size_t findBySixteens(std::string_view text, std::size_t& pos, std::size_t& budget) const;
  std::size_t findByWideBlocks(std::string_view text, std::size_t room, std::size_t& pos, std::size_t& budget) const;
  std::size_t searchWideBlocks(std::string_view text, std::size_t room, std::size_t& pos, std::size_t& budget) const;
  std::size_t findInTrimmedByWideBlocks(std::string_view text, std::size_t minLength) const;
  void flagByWideBlocks(const char* first, std::size_t stride, std::size_t width, std::size_t minLength,
                        std::span<char> flags) const;
  bool decideCandidates(std::string_view text, std::size_t start, unsigned mask, std::size_t& pos, std::size_t& budget,
                        std::size_t& result) const;
  std::size_t findBySkips(std::string_view text, std::size_t pos, std::size_t budget) const;
  std::size_t findByFailureTable(std::string_view text) const;

  std::string needle_;
  const FoldTable* fold_ = nullptr;
  std::array<std::uint8_t, 256> skip_{};  // shifts are capped at 255: still safe
  // The bytes that fold to the needle's first and last byte (at most two
  // each, else the block search is not used).
  unsigned char firstBytes_[2] = {0, 0};
  unsigned char lastBytes_[2] = {0, 0};
  bool blocks_ = false;
  bool wideBlocks_ = false;                     // blocks of thirty-two, where the processor has AVX2
  mutable std::vector<std::uint32_t> failure_;  // built on the first fallback
  mutable bool failureReady_ = false;
};

}  // namespace kestrin::text
