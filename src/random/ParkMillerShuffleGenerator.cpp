#include "random/ParkMillerShuffleGenerator.h"

#include <bit>
#include <cmath>
#include <stdexcept>

namespace zufora {
namespace {

constexpr std::int32_t kMultiplier = 16807;
constexpr std::int32_t kSchrageQuotient = 127773;  // kModulus div kMultiplier
constexpr std::int32_t kSchrageRemainder = 2836;   // kModulus mod kMultiplier
constexpr int kWarmUpSteps = 8;
constexpr std::int32_t kTableDivisor = 67108864;  // 1 + (kModulus - 1) div 32 = 2^26
// Values from here on exceed the clamp threshold 0.99999988 when divided by kModulus.
constexpr std::int32_t kFirstClampedValue = 2147483390;

// Schrage's overflow-free step s = 16807 * s mod (2^31 - 1); for every s >= 0 all
// intermediate values stay within 32 bits.
void LehmerStep(std::int32_t& s) {
  const std::int32_t k = s / kSchrageQuotient;
  s = kMultiplier * (s - k * kSchrageQuotient) - kSchrageRemainder * k;
  if (s < 0) {
    s += ParkMillerShuffleGenerator::kModulus;
  }
}

}  // namespace

// The double product with the double nearest to 1 / (2^31 - 1), rounded to single
// precision, gives the correctly rounded quotient for every value 1..2147483389: checked
// for all of them against rounding of the exact quotient, and sampled by the tests.
float ToUnitInterval(std::int32_t value) {
  constexpr double kReciprocal = 1.0 / ParkMillerShuffleGenerator::kModulus;
  return static_cast<float>(static_cast<double>(value) * kReciprocal);
}

void ParkMillerShuffleGenerator::Refill(std::int32_t& state) {
  if (state < 0 && state != INT32_MIN) {
    state = -state;
  } else {
    state = 1;  // 0, INT32_MIN, or a positive word before the table was ever filled
  }
  for (int step = 1; step <= kWarmUpSteps + kTableSize; ++step) {
    LehmerStep(state);
    if (step > kWarmUpSteps) {
      table_[static_cast<std::size_t>(kTableSize + kWarmUpSteps - step)] = state;
    }
  }
  last_value_ = table_[0];
}

float ParkMillerShuffleGenerator::Next(std::int32_t& state) {
  if (state <= 0 || last_value_ == 0) {
    Refill(state);
  }
  LehmerStep(state);
  const auto j = static_cast<std::size_t>(last_value_ / kTableDivisor);
  last_value_ = table_[j];
  table_[j] = state;
  if (last_value_ >= kFirstClampedValue) {
    return kLargestOutput;
  }
  return ToUnitInterval(last_value_);
}

std::int64_t IndexBelow(float u, std::int64_t n) {
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
