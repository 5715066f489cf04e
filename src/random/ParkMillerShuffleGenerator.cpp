#include "random/ParkMillerShuffleGenerator.h"

#include <bit>
#include <cmath>
#include <stdexcept>

namespace zufora {
namespace {

constexpr int kWarmUpSteps = 8;

}  // namespace

void ParkMillerShuffleGenerator::Refill(std::int32_t& state) {
  if (state < 0 && state != INT32_MIN) {
    state = -state;
  } else {
    state = 1;  // 0, INT32_MIN, or a positive word before the table was ever filled
  }
  for (int step = 1; step <= kWarmUpSteps + kTableSize; ++step) {
    state = LehmerStep(state);
    if (step > kWarmUpSteps) {
      table_[static_cast<std::size_t>(kTableSize + kWarmUpSteps - step)] = state;
    }
  }
  last_value_ = table_[0];
}

std::int64_t IndexBelowExactly(float u, std::int64_t n) {
  if (n <= 0 || !(u > 0.0f)) {
    return 0;
  }
  if (n >= (std::int64_t{1} << 32) || !(u < 1.0f) || !std::isnormal(u)) {
    throw std::invalid_argument("IndexBelow needs 0 <= u < 1 and n < 2^32");
  }
  // u = significand * 2^(exponent - 150) with a 24-bit significand; the product with
  // n < 2^32 fits 56 bits, and the shift is at least 24 because u < 1.
  const auto bits = std::bit_cast<std::uint32_t>(u);
  const std::uint64_t significand = (bits & 0x7FFFFFu) | 0x800000u;
  const auto shift = 150u - (bits >> 23);
  const std::uint64_t product = significand * static_cast<std::uint64_t>(n);
  return shift >= 64 ? 0 : static_cast<std::int64_t>(product >> shift);
}

std::int64_t ScaleToSeedRange(float u) {
  return static_cast<std::int64_t>(static_cast<double>(u) * 2147483648.0);
}

}  // namespace zufora
