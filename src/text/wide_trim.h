// The trim of trailing blanks and controls thirty-two bytes at a time, for the
// AVX2 code of the trims and of the search, which inlines it into its loops.
#pragma once

#include "text/cpu_features.h"

#ifdef KESTRIN_WIDE_BLOCKS
#include <immintrin.h>

#include <bit>
#include <cstddef>

namespace kestrin::text {

// The length of the `size` bytes at `text` without their trailing blanks and
// controls, found from the end sixty-four and then thirty-two bytes at a
// time. Only for a processor with AVX2.
__attribute__((target("avx2"), always_inline)) inline std::size_t trimmedLengthByWideBlocks(const char* text,
                                                                                            std::size_t size) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  const __m256i blank = _mm256_set1_epi8(' ');
  // Bit i set where byte i of `block` is a blank or a control: its unsigned
  // maximum with ' ' is ' '. (No lambda: it would not be compiled for AVX2.)
#define KESTRIN_BLANK_BITS(block) \
  static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(_mm256_max_epu8((block), blank), blank)))
#define KESTRIN_LOAD(at) _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + (at)))
  std::size_t n = size;
  while (n >= 64 && KESTRIN_BLANK_BITS(_mm256_max_epu8(KESTRIN_LOAD(n - 64), KESTRIN_LOAD(n - 32))) == ~0u) n -= 64;
  if (n >= 32 && KESTRIN_BLANK_BITS(KESTRIN_LOAD(n - 32)) == ~0u) n -= 32;
  if (n >= 32) {
    n = n - 32 + static_cast<std::size_t>(std::bit_width(~KESTRIN_BLANK_BITS(KESTRIN_LOAD(n - 32))));
  } else if (size >= 32) {
    // The first block of the text, of which only the first n bytes are left.
    n = static_cast<std::size_t>(std::bit_width(~KESTRIN_BLANK_BITS(KESTRIN_LOAD(0)) & ((1u << n) - 1)));
  } else {
    while (n > 0 && bytes[n - 1] <= ' ') --n;
  }
#undef KESTRIN_LOAD
#undef KESTRIN_BLANK_BITS
  return n;
}

// Whether the bytes of `text` from `from` to `size` are all blanks and
// controls. The last thirty-two bytes before `size` are read whatever `from`
// is (so `size` must be 32 or more); a shorter range is answered for them.
// Only for a processor with AVX2.
__attribute__((target("avx2"), always_inline)) inline bool onlyBlanksByWideBlocks(const char* text, std::size_t from,
                                                                                  std::size_t size) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  const __m256i blank = _mm256_set1_epi8(' ');
  // The unsigned maximum of all the bytes, the last block moved back to end
  // with the text.
  __m256i highest = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + size - 32));
  for (std::size_t at = from; at + 32 < size; at += 32) {
    highest = _mm256_max_epu8(highest, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + at)));
  }
  return _mm256_movemask_epi8(_mm256_cmpeq_epi8(_mm256_max_epu8(highest, blank), blank)) == -1;
}

}  // namespace kestrin::text
#endif
