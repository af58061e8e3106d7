#include "text/trims.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "text/cpu_features.h"
#include "text/wide_trim.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
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

namespace {

#ifdef KESTRIN_WIDE_BLOCKS
// The trim's AVX2 code, compiled once out of line for the callers without it.
__attribute__((target("avx2"))) std::size_t trimmedLengthWide(std::string_view text) {
  return trimmedLengthByWideBlocks(text.data(), text.size());
}
#endif

// As the wide trim, sixteen bytes at a time where SSE2 is at hand, else eight.
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
  if (processorHasAvx2()) return {text.data(), trimmedLengthWide(text)};
#endif
  return {text.data(), trimmedLengthByBlocks(text)};
}

std::string_view trimControlsLeft(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  return text.substr(i);
}

}  // namespace kestrin::text
