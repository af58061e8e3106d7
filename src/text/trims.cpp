#include "text/trims.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "text/cpu_features.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif
#ifdef KESTRIN_WIDE_BLOCKS
#include <immintrin.h>
#endif

namespace kestrin::text {

std::string_view trimSpacesRight(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string_view trimSpacesLeft(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

#ifdef KESTRIN_WIDE_BLOCKS
namespace {

// The length without the trailing blanks and controls, found from the end
// sixty-four and then thirty-two bytes at a time.
__attribute__((target("avx2"))) std::size_t trimmedLengthByWideBlocks(std::string_view text) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const __m256i blank = _mm256_set1_epi8(' ');
  // Bit i set where byte i of `block` is a blank or a control: its unsigned
  // maximum with ' ' is ' '. (No lambda: it would not be compiled for AVX2.)
#define KESTRIN_BLANK_BITS(block) \
  static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(_mm256_max_epu8((block), blank), blank)))
#define KESTRIN_LOAD(at) _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + (at)))
  std::size_t n = text.size();
  while (n >= 64 && KESTRIN_BLANK_BITS(_mm256_max_epu8(KESTRIN_LOAD(n - 64), KESTRIN_LOAD(n - 32))) == ~0u) n -= 64;
  if (n >= 32 && KESTRIN_BLANK_BITS(KESTRIN_LOAD(n - 32)) == ~0u) n -= 32;
  if (n >= 32) {
    n = n - 32 + static_cast<std::size_t>(std::bit_width(~KESTRIN_BLANK_BITS(KESTRIN_LOAD(n - 32))));
  } else if (text.size() >= 32) {
    // The first block of the text, of which only the first n bytes are left.
    n = static_cast<std::size_t>(std::bit_width(~KESTRIN_BLANK_BITS(KESTRIN_LOAD(0)) & ((1u << n) - 1)));
  } else {
    while (n > 0 && bytes[n - 1] <= ' ') --n;
  }
#undef KESTRIN_LOAD
#undef KESTRIN_BLANK_BITS
  return n;
}

}  // namespace
#endif

namespace {

// As above, sixteen bytes at a time where SSE2 is at hand, else eight.
std::size_t trimmedLengthByBlocks(std::string_view text) {
  std::size_t n = text.size();
#if defined(__SSE2__) || defined(_M_X64)
  const __m128i blank = _mm_set1_epi8(' ');
  const auto load = [&](std::size_t at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at)); };
  // Bit i set when byte i is a blank or a control: its unsigned maximum with ' ' is ' '.
  const auto blankBits = [&](__m128i block) {
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_max_epu8(block, blank), blank)));
  };
  while (n >= 64) {
    const __m128i most =
        _mm_max_epu8(_mm_max_epu8(load(n - 64), load(n - 48)), _mm_max_epu8(load(n - 32), load(n - 16)));
    if (blankBits(most) != 0xFFFF) break;
    n -= 64;
  }
  for (; n >= 16; n -= 16) {
    const unsigned others = ~blankBits(load(n - 16)) & 0xFFFF;
    if (others != 0) return n - 16 + static_cast<std::size_t>(std::bit_width(others));
  }
#else
  constexpr std::uint64_t kEightBlanks = 0x2020202020202020ULL;
  for (std::uint64_t word; n >= 8; n -= 8) {
    std::memcpy(&word, text.data() + n - 8, 8);
    if (word != kEightBlanks) break;
  }
#endif
  while (n > 0 && static_cast<unsigned char>(text[n - 1]) <= ' ') --n;
  return n;
}

}  // namespace

std::string_view trimControlsRight(std::string_view text) {
#ifdef KESTRIN_WIDE_BLOCKS
  if (processorHasAvx2()) return {text.data(), trimmedLengthByWideBlocks(text)};
#endif
  return {text.data(), trimmedLengthByBlocks(text)};
}

std::string_view trimControlsLeft(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  return text.substr(i);
}

}  // namespace kestrin::text
