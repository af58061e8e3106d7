// Opens a table and its memo file made from arbitrary bytes and walks every
// field of every record both ways. Shared by the libFuzzer target and the
// replay test of the kept inputs, so both exercise the same traversal.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kestrin::fuzz {

// Input layout: 4 bytes little-endian length L of the table bytes, then the
// table bytes (L, clipped to what remains), then the memo file bytes.
// Engine errors are expected and swallowed; anything else escapes.
void walkTableFromBytes(const std::uint8_t* data, std::size_t size);

}  // namespace kestrin::fuzz
