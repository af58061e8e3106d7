// The fuzz target's work, shared with the test that replays its corpus: the
// input is compiled as an expression over a small table held in memory and
// evaluated on each of its records.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kestrin::fuzz {

// Byte 0 chooses the options (bit 0 case-insensitive, bit 1 partial compare
// off); the rest is the expression text. Errors of the language are the
// expected outcome and are swallowed; anything else escapes. True when the
// text compiled.
bool evaluateExpressionInput(const std::uint8_t* data, std::size_t size);

}  // namespace kestrin::fuzz
