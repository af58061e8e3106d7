#include "text/text_search.h"

#include <bit>
#include <cstddef>

#include "text/cpu_features.h"
#include "text/trims.h"
#include "text/wide_trim.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif
#ifdef KESTRIN_WIDE_BLOCKS
#include <immintrin.h>
#endif

namespace kestrin::text {

const FoldTable& identityFold() {
  static const FoldTable table = [] {
    FoldTable t{};
    for (int c = 0; c < 256; ++c) t[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c);
    return t;
  }();
  return table;
}

void TextSearcher::prepare(std::string_view needle, const FoldTable& fold) {
  fold_ = &fold;
  needle_.resize(needle.size());
  for (std::size_t i = 0; i < needle.size(); ++i) {
    needle_[i] = static_cast<char>(fold[static_cast<unsigned char>(needle[i])]);
  }
  failureReady_ = false;
  blocks_ = false;
  wideBlocks_ = false;
  const std::size_t m = needle_.size();
  if (m == 0) return;
  const auto cap = [](std::size_t shift) { return static_cast<std::uint8_t>(shift < 255 ? shift : 255); };
  skip_.fill(cap(m));
  for (std::size_t i = 0; i + 1 < m; ++i) {
    skip_[static_cast<unsigned char>(needle_[i])] = cap(m - 1 - i);
  }
  // Which bytes fold to the first and the last byte of the needle.
  int firstCount = 0;
  int lastCount = 0;
  for (int c = 0; c < 256; ++c) {
    const unsigned char folded = fold[static_cast<std::size_t>(c)];
    if (folded == static_cast<unsigned char>(needle_[0]) && firstCount++ < 2) {
      firstBytes_[firstCount - 1] = static_cast<unsigned char>(c);
    }
    if (folded == static_cast<unsigned char>(needle_[m - 1]) && lastCount++ < 2) {
      lastBytes_[lastCount - 1] = static_cast<unsigned char>(c);
    }
  }
  if (firstCount == 1) firstBytes_[1] = firstBytes_[0];
  if (lastCount == 1) lastBytes_[1] = lastBytes_[0];
  blocks_ = firstCount <= 2 && lastCount <= 2;
#ifdef KESTRIN_WIDE_BLOCKS
  wideBlocks_ = blocks_ && processorHasAvx2();
#endif
}

std::size_t TextSearcher::find(std::string_view text) const { return findWithin(text, text.size()); }

std::size_t TextSearcher::findWithin(std::string_view text, std::size_t room) const {
  constexpr std::size_t npos = std::string_view::npos;
  const std::size_t m = needle_.size();
  const std::size_t n = text.size();
  if (m == 0) return 0;
  if (m > n) return npos;
  // Comparisons allowed before the linear search takes over.
  std::size_t budget = 4 * n + 64;
  std::size_t pos = 0;
  if (blocks_) {
    const std::size_t found = findByBlocks(text, room, pos, budget);
    if (found != npos || pos + m > n) return found;
  }
  return findBySkips(text, pos, budget);
}

// Compares the needle at each candidate of `mask` (bit i for the position
// start + i), lowest first. True when the search is decided, with the answer
// in `result`; false when no candidate holds the needle.
bool TextSearcher::decideCandidates(std::string_view text, std::size_t start, unsigned mask, std::size_t& pos,
                                    std::size_t& budget, std::size_t& result) const {
  const std::size_t m = needle_.size();
  const FoldTable& fold = *fold_;
  const auto* hay = reinterpret_cast<const unsigned char*>(text.data());
  const auto* pat = reinterpret_cast<const unsigned char*>(needle_.data());
  for (; mask != 0; mask &= mask - 1) {
    const std::size_t at = start + static_cast<std::size_t>(std::countr_zero(mask));
    std::size_t k = 1;
    while (k + 1 < m && fold[hay[at + k]] == pat[k]) ++k;
    if (k + 1 >= m) {
      result = at;
      return true;
    }
    if (k >= budget) {
      const std::size_t found = findByFailureTable(text.substr(at));
      pos = text.size();
      result = found == std::string_view::npos ? found : at + found;
      return true;
    }
    budget -= k;
  }
  return false;
}

#ifdef KESTRIN_WIDE_BLOCKS
namespace {

// The needle's first and last bytes, in both cases, in every byte of a block.
struct WideEnds {
  __m256i first0;
  __m256i first1;
  __m256i last0;
  __m256i last1;
};

__attribute__((target("avx2"), always_inline)) inline WideEnds wideEnds(const unsigned char (&first)[2],
                                                                        const unsigned char (&last)[2]) {
  return {_mm256_set1_epi8(static_cast<char>(first[0])), _mm256_set1_epi8(static_cast<char>(first[1])),
          _mm256_set1_epi8(static_cast<char>(last[0])), _mm256_set1_epi8(static_cast<char>(last[1]))};
}

// Bit i set where the needle's first byte lies at start + i and its last
// byte at start + i + m - 1: the positions worth comparing. Reads the bytes
// from `start` to start + m - 1 + 32.
__attribute__((target("avx2"), always_inline)) inline unsigned wideCandidates(const WideEnds& ends,
                                                                              const unsigned char* hay,
                                                                              std::size_t start, std::size_t m) {
  const __m256i head = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(hay + start));
  const __m256i tail = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(hay + start + m - 1));
  const __m256i heads = _mm256_or_si256(_mm256_cmpeq_epi8(head, ends.first0), _mm256_cmpeq_epi8(head, ends.first1));
  const __m256i tails = _mm256_or_si256(_mm256_cmpeq_epi8(tail, ends.last0), _mm256_cmpeq_epi8(tail, ends.last1));
  return static_cast<unsigned>(_mm256_movemask_epi8(_mm256_and_si256(heads, tails)));
}

// The candidates of two blocks, from `start` and from start + 32, as bits 0
// to 63.
__attribute__((target("avx2"), always_inline)) inline std::uint64_t wideCandidatesOfTwo(const WideEnds& ends,
                                                                                        const unsigned char* hay,
                                                                                        std::size_t start,
                                                                                        std::size_t m) {
  return wideCandidates(ends, hay, start, m) | (std::uint64_t{wideCandidates(ends, hay, start + 32, m)} << 32);
}

}  // namespace

// As the blocks of sixteen below, thirty-two positions at a time. A text
// shorter than a block is tested in one block that reads on into the `room`
// after it, its positions past the text masked off. Most texts a scan meets
// hold no candidate at all, so the loop's length is the cost.
__attribute__((target("avx2"), always_inline)) inline std::size_t TextSearcher::searchWideBlocks(
    std::string_view text, std::size_t room, std::size_t& pos, std::size_t& budget) const {
  constexpr std::size_t npos = std::string_view::npos;
  const std::size_t m = needle_.size();
  const std::size_t n = text.size();
  const auto* hay = reinterpret_cast<const unsigned char*>(text.data());
  const WideEnds ends = wideEnds(firstBytes_, lastBytes_);
  if (room < m - 1 + 32) return npos;
  // Two blocks a step while both fit: most of a long text holds no candidate
  // at all. At the first that does, the loop below takes over from there.
  while (pos + m - 1 + 64 <= n && wideCandidatesOfTwo(ends, hay, pos, m) == 0) pos += 64;
  if (pos + m - 1 + 64 > n && pos + m <= n && n >= m - 1 + 64) {
    // From 1 to 63 positions are left: two blocks moved back to end with the
    // text test them in one go, and the loop below runs only where they hold
    // a candidate.
    const std::size_t start = n - (m - 1) - 64;
    if ((wideCandidatesOfTwo(ends, hay, start, m) & (~std::uint64_t{0} << (pos - start))) == 0) return npos;
  }
  while (pos + m <= n) {
    // Positions from `start` whose bits are set in `open` are tested; where
    // the block would run past the text, it is moved back to end at the last
    // position, or for a short text kept at the start.
    std::size_t start = pos;
    unsigned open = ~0u;
    if (start + m - 1 + 32 > n) {
      if (n >= m - 1 + 32) {
        start = n - (m - 1) - 32;
      } else {
        start = 0;
        open = (1u << (n - m + 1)) - 1;
      }
      open &= ~((1u << (pos - start)) - 1);
    }
    const unsigned mask = wideCandidates(ends, hay, start, m) & open;
    std::size_t found = npos;
    if (mask != 0 && decideCandidates(text, start, mask, pos, budget, found)) return found;
    pos = start + 32;
  }
  return npos;
}

// The block search for the callers compiled without AVX2.
__attribute__((target("avx2"))) std::size_t TextSearcher::findByWideBlocks(std::string_view text, std::size_t room,
                                                                           std::size_t& pos,
                                                                           std::size_t& budget) const {
  return searchWideBlocks(text, room, pos, budget);
}

// findInTrimmed with the trim and the block search inlined into one
// function: a scan calls it once per memo. The room of a whole block is
// known, so the blocks decide the search.
__attribute__((target("avx2"))) std::size_t TextSearcher::findInTrimmedByWideBlocks(std::string_view text,
                                                                                    std::size_t minLength) const {
  const std::size_t n = trimmedLengthByWideBlocks(text.data(), text.size());
  if (n < minLength || n < needle_.size()) return std::string_view::npos;
  std::size_t pos = 0;
  std::size_t budget = 4 * n + 64;
  return searchWideBlocks(text.substr(0, n), text.size(), pos, budget);
}

// Each field trimmed, then its positions tested in blocks of thirty-two from
// its start; a block that would read past the field is moved back to end
// with it, the positions tested already masked off.
__attribute__((target("avx2"))) void TextSearcher::flagByWideBlocks(const char* first, std::size_t stride,
                                                                    std::size_t width, std::size_t minLength,
                                                                    std::span<char> flags) const {
  const std::size_t m = needle_.size();
  const WideEnds ends = wideEnds(firstBytes_, lastBytes_);
  const std::size_t lastStart = width - (m - 1) - 32;
  const bool twoBlocksFit = width >= m - 1 + 64;
  const char* field = first;
  for (std::size_t i = 0; i < flags.size(); ++i, field += stride) {
    if (flags[i] != 0) continue;
    const auto* hay = reinterpret_cast<const unsigned char*>(field);
    // Most fields hold a short text: the first two blocks' candidates, taken
    // before the trim, often decide the field without it.
    std::uint64_t both = 0;
    if (twoBlocksFit) {
      both = wideCandidatesOfTwo(ends, hay, 0, m);
      // With nothing but blanks and controls past its first 64 bytes, the
      // text's positions all lie among those tested.
      if (both == 0 && onlyBlanksByWideBlocks(field, 64, width)) continue;
    }
    const std::size_t n = trimmedLengthByWideBlocks(field, width);
    if (n < minLength || n < m) continue;
    const std::size_t positions = n - m + 1;
    // The loop below finds the candidates again, so it runs only where the
    // text's positions hold any, and past the first two blocks where those
    // hold none.
    if (twoBlocksFit && positions <= 64 && (both & (~std::uint64_t{0} >> (64 - positions))) == 0) continue;
    std::size_t budget = 4 * n + 64;
    for (std::size_t block = twoBlocksFit && both == 0 ? 64 : 0; block < positions; block += 32) {
      const std::size_t start = block <= lastStart ? block : lastStart;
      unsigned mask = wideCandidates(ends, hay, start, m) & ~((1u << (block - start)) - 1);
      if (positions - start < 32) mask &= (1u << (positions - start)) - 1;
      std::size_t pos = 0;
      std::size_t found = std::string_view::npos;
      if (mask != 0 && decideCandidates({field, n}, start, mask, pos, budget, found)) {
        flags[i] = found != std::string_view::npos;
        break;
      }
    }
  }
}
#endif

void TextSearcher::flagFieldsHolding(const char* first, std::size_t stride, std::size_t width, std::size_t minLength,
                                     std::span<char> flags) const {
#ifdef KESTRIN_WIDE_BLOCKS
  if (wideBlocks_ && width >= needle_.size() - 1 + 32) {
    flagByWideBlocks(first, stride, width, minLength, flags);
    return;
  }
#endif
  const char* field = first;
  for (std::size_t i = 0; i < flags.size(); ++i, field += stride) {
    if (flags[i] == 0) flags[i] = findInTrimmed({field, width}, minLength) != std::string_view::npos;
  }
}

std::size_t TextSearcher::findInTrimmed(std::string_view text, std::size_t minLength) const {
#ifdef KESTRIN_WIDE_BLOCKS
  if (wideBlocks_ && text.size() >= needle_.size() - 1 + 32) return findInTrimmedByWideBlocks(text, minLength);
#endif
  const std::string_view trimmed = trimControlsRight(text);
  if (trimmed.size() < minLength) return std::string_view::npos;
  // The trimmed bytes are still followed by the rest of `text`.
  return findWithin(trimmed, text.size());
}

// The blocks of thirty-two test every position of a text whose room holds a
// block, or decide the search; other texts are left to the blocks of sixteen.
std::size_t TextSearcher::findByBlocks(std::string_view text, std::size_t room, std::size_t& pos,
                                       std::size_t& budget) const {
#ifdef KESTRIN_WIDE_BLOCKS
  if (wideBlocks_ && room >= needle_.size() - 1 + 32) return findByWideBlocks(text, room, pos, budget);
#else
  (void)room;
#endif
  return findBySixteens(text, pos, budget);
}

// Tests the positions in blocks of sixteen, the last block overlapping the one
// before, while a block fits into the text; `pos` is left at the first
// position not tested.
std::size_t TextSearcher::findBySixteens(std::string_view text, std::size_t& pos, std::size_t& budget) const {
  constexpr std::size_t npos = std::string_view::npos;
#if defined(__SSE2__) || defined(_M_X64)
  const std::size_t m = needle_.size();
  const std::size_t n = text.size();
  const auto* hay = reinterpret_cast<const unsigned char*>(text.data());
  const auto splat = [](unsigned char b) { return _mm_set1_epi8(static_cast<char>(b)); };
  const __m128i first0 = splat(firstBytes_[0]);
  const __m128i first1 = splat(firstBytes_[1]);
  const __m128i last0 = splat(lastBytes_[0]);
  const __m128i last1 = splat(lastBytes_[1]);
  while (pos + m <= n) {
    // The block of sixteen positions from `start`; where the last block would
    // run past the text, it is moved back to end at the last position and the
    // positions already tested are masked off.
    std::size_t start = pos;
    unsigned done = 0;
    if (start + m - 1 + 16 > n) {
      if (n < m - 1 + 16) break;
      start = n - (m - 1) - 16;
      done = (1u << (pos - start)) - 1;
    }
    const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i*>(hay + start));
    const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i*>(hay + start + m - 1));
    const __m128i heads = _mm_or_si128(_mm_cmpeq_epi8(head, first0), _mm_cmpeq_epi8(head, first1));
    const __m128i tails = _mm_or_si128(_mm_cmpeq_epi8(tail, last0), _mm_cmpeq_epi8(tail, last1));
    const auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(heads, tails))) & ~done;
    std::size_t found = npos;
    if (mask != 0 && decideCandidates(text, start, mask, pos, budget, found)) return found;
    pos = start + 16;
  }
#else
  (void)text;
  (void)pos;
  (void)budget;
#endif
  return npos;
}

std::size_t TextSearcher::findBySkips(std::string_view text, std::size_t pos, std::size_t budget) const {
  constexpr std::size_t npos = std::string_view::npos;
  const std::size_t m = needle_.size();
  const std::size_t n = text.size();
  const FoldTable& fold = *fold_;
  const auto* hay = reinterpret_cast<const unsigned char*>(text.data());
  const auto* pat = reinterpret_cast<const unsigned char*>(needle_.data());
  const unsigned char last = pat[m - 1];
  while (pos + m <= n) {
    const unsigned char tail = fold[hay[pos + m - 1]];
    if (tail == last) {
      std::size_t k = m - 1;
      while (k > 0 && fold[hay[pos + k - 1]] == pat[k - 1]) --k;
      if (k == 0) return pos;
      const std::size_t spent = m - k;
      if (spent >= budget) {
        const std::size_t found = findByFailureTable(text.substr(pos));
        return found == npos ? npos : pos + found;
      }
      budget -= spent;
    }
    pos += skip_[tail];
  }
  return npos;
}

std::size_t TextSearcher::findByFailureTable(std::string_view text) const {
  const std::size_t m = needle_.size();
  if (!failureReady_) {
    failure_.assign(m, 0);
    std::uint32_t k = 0;
    for (std::size_t i = 1; i < m; ++i) {
      while (k > 0 && needle_[i] != needle_[k]) k = failure_[k - 1];
      if (needle_[i] == needle_[k]) ++k;
      failure_[i] = k;
    }
    failureReady_ = true;
  }
  const FoldTable& fold = *fold_;
  std::size_t k = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = static_cast<char>(fold[static_cast<unsigned char>(text[i])]);
    while (k > 0 && c != needle_[k]) k = failure_[k - 1];
    if (c == needle_[k]) ++k;
    if (k == m) return i + 1 - m;
  }
  return std::string_view::npos;
}

}  // namespace kestrin::text
