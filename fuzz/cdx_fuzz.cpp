// libFuzzer target for the CDX reader: the input is a CDX file image.
#include <cstddef>
#include <cstdint>

#include "entries/cdx_fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kestrin::fuzz::exerciseCdxImage(data, size);
  return 0;
}
