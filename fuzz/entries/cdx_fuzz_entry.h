// A CDX file image opened and walked as a viewer would: every tag both ways,
// with character and with number keys, a few seeks and positionings. Damaged
// input may raise the engine's EDbfError and nothing else. Shared by the
// libFuzzer target and the replay test of the kept inputs.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kestrin::fuzz {

// True when the image opened and every walk ended normally, false when the
// reader reported the file as damaged.
bool exerciseCdxImage(const std::uint8_t* data, std::size_t size);

}  // namespace kestrin::fuzz
