#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zufora {

// The output scaling of a shuffle table value: value / (2^31 - 1) rounded to the nearest
// single-precision number, for 0 <= value <= 2147483389 (larger values are clamped). The
// double product with the double nearest to 1 / (2^31 - 1), rounded to single precision,
// gives the correctly rounded quotient for every such value: checked for all of them
// against rounding of the exact quotient, and sampled by the tests.
inline float ToUnitInterval(std::int32_t value) {
  return static_cast<float>(static_cast<double>(value) * (1.0 / 2147483647.0));
}

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
  // Inline: a list draws about one number per patient.
  float Next(std::int32_t& state) {
    if (state <= 0 || last_value_ == 0) [[unlikely]] {
      Refill(state);
    }
    state = LehmerStep(state);
    const auto j = static_cast<std::size_t>(last_value_ >> kTableShift);
    last_value_ = table_[j];
    table_[j] = state;
    if (last_value_ >= kFirstClampedValue) [[unlikely]] {
      return 1.0f - 0x1p-23f;
    }
    return ToUnitInterval(last_value_);
  }

  // 16807 * s mod (2^31 - 1) for 0 <= s <= 2^31 - 1: the product fits 46 bits, and its
  // high and low 31 bits add up to the same residue.
  static std::int32_t LehmerStep(std::int32_t s) {
    const std::uint64_t product = static_cast<std::uint64_t>(s) * 16807u;
    std::uint64_t folded = (product & kModulus) + (product >> 31);
    if (folded >= static_cast<std::uint64_t>(kModulus)) {
      folded -= kModulus;
    }
    return static_cast<std::int32_t>(folded);
  }

 private:
  // A table index is the last value div 2^26.
  static constexpr int kTableShift = 26;
  // Values from here on exceed the clamp threshold 0.99999988 when divided by kModulus.
  static constexpr std::int32_t kFirstClampedValue = 2147483390;

  void Refill(std::int32_t& state);

  std::array<std::int32_t, kTableSize> table_{};
  std::int32_t last_value_ = 0;  // 0: the table has not been filled yet
};

// The largest output of Next: 1 - 2^-23.
inline constexpr float kLargestOutput = 1.0f - 0x1p-23f;

// floor(u * n), computed exactly for every n below 2^32 (a double product is exact
// only below 2^29). For a generator output u and n >= 1 the result lies in 0..n-1.
// Below 2^29 the double product is exact, so the common case needs no integer work.
std::int64_t IndexBelowExactly(float u, std::int64_t n);
inline std::int64_t IndexBelow(float u, std::int64_t n) {
  if (n > 0 && n < (std::int64_t{1} << 29) && u >= 0.0f && u < 1.0f) {
    return static_cast<std::int64_t>(static_cast<double>(u) * static_cast<double>(n));
  }
  return IndexBelowExactly(u, n);
}

// u * 2^31 as a whole number; exact, because u has a 24-bit significand and u >= 2^-31.
std::int64_t ScaleToSeedRange(float u);

}  // namespace zufora
