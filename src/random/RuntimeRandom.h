#pragma once

#include <cstdint>

namespace zufora {

// The runtime's own linear congruential generator, used only to turn clock readings
// into a seed proposal: a 64-bit state, multiplier 346 * 2^32 + 20021, increment 1.
class RuntimeRandom {
 public:
  // Low 32 bits := x, high 32 bits := 0, then the low half is stirred once.
  void Seed(std::uint32_t x);
  // Advances the state and returns its bits 32..62 (0..2147483647).
  std::int32_t Draw();

 private:
  std::uint64_t state_ = 0;
};

}  // namespace zufora
