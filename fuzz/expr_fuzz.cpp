// libFuzzer target: expression texts compiled and evaluated over a small
// in-memory table. The corpus in fuzz/corpus/expr is replayed by the tests.
#include <cstddef>
#include <cstdint>

#include "entries/expr_fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kestrin::fuzz::evaluateExpressionInput(data, size);
  return 0;
}
