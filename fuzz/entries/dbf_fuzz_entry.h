// A table image and its memo file's image, both read from memory, walked as a
// viewer would: every field of every record both ways, then the scans that
// count the records and evaluate a condition on each. Damaged input may raise
// the engine's errors and nothing else. Shared by the libFuzzer target and the
// replay test of the kept inputs, so both exercise the same traversal.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kestrin::fuzz {

// Input layout: 4 bytes little-endian length L of the table bytes, then the
// table bytes (L, clipped to what remains), then the memo file bytes.
// True when the table opened, false when the reader refused it.
bool walkTableImage(const std::uint8_t* data, std::size_t size);

}  // namespace kestrin::fuzz
