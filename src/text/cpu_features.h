// What the processor offers beyond the baseline the program is built for,
// asked once: the search and the trims test 32 bytes at a time with AVX2.
#pragma once

namespace kestrin::text {

#if defined(__GNUC__) && defined(__x86_64__)
#define KESTRIN_WIDE_BLOCKS 1
inline bool processorHasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}
#endif

}  // namespace kestrin::text
