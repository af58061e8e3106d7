// A small deterministic random source: the same seed gives the same base on
// every platform (the standard distributions do not promise that).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kestrin::demo {

class DemoRandom {
 public:
  explicit DemoRandom(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // A number in [low, high].
  int between(int low, int high) { return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1)); }
  bool chance(int percent) { return between(1, 100) <= percent; }
  bool chancePerMille(int perMille) { return between(1, 1000) <= perMille; }
  template <typename T>
  const T& pick(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(next() % items.size())];
  }
  template <typename T>
  const T& pick(std::span<const T> items) {
    return items[static_cast<std::size_t>(next() % items.size())];
  }

 private:
  std::uint64_t state_;
};

}  // namespace kestrin::demo
