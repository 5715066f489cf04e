#pragma once

#include <array>
#include <cstdint>

namespace zufora {

// The program's one seeded generator: the Park-Miller minimal standard generator with
// a Bays-Durham shuffle table of 32 entries in front of its output. One object holds
// the shuffle table shared by every caller; each caller keeps its own state word and
// passes it to every draw. Pass the object in, never reach it as a singleton.
//
// Seeding: store -|v| in the state word before the first draw to get the sequence of
// seed v; any state word <= 0 refills the table from its absolute value (0 from 1).
class ParkMillerShuffleGenerator {
 public:
  static constexpr std::int32_t kModulus = 2147483647;  // 2^31 - 1
  static constexpr int kTableSize = 32;

  // One draw: u with 2^-31 <= u <= 1 - 2^-23 (u is 0 only for the single draw after
  // the degenerate seed 2147483647). Refills the table first when `state` <= 0 or the
  // table was never filled.
  float Next(std::int32_t& state);

 private:
  void Refill(std::int32_t& state);

  std::array<std::int32_t, kTableSize> table_{};
  std::int32_t last_value_ = 0;  // 0: the table has not been filled yet
};

// The largest output of Next: 1 - 2^-23.
inline constexpr float kLargestOutput = 1.0f - 0x1p-23f;

// The output scaling of a shuffle table value: value / (2^31 - 1) rounded to the nearest
// single-precision number, for 0 <= value <= 2147483389 (larger values are clamped).
float ToUnitInterval(std::int32_t value);

// floor(u * n), computed exactly for every n below 2^32 (a double product is exact
// only below 2^29). For a generator output u and n >= 1 the result lies in 0..n-1.
std::int64_t IndexBelow(float u, std::int64_t n);

// u * 2^31 as a whole number; exact, because u has a 24-bit significand and u >= 2^-31.
std::int64_t ScaleToSeedRange(float u);

}  // namespace zufora
