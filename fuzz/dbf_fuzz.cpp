// libFuzzer target: a table and its memo file from fuzz bytes.
#include <cstddef>
#include <cstdint>

#include "entries/dbf_fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kestrin::fuzz::walkTableImage(data, size);
  return 0;
}
