#include "random/ParkMillerShuffleGenerator.h"

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
constexpr float kClampValue = 1.0f - 0x1p-23f;

// Schrage's overflow-free step s = 16807 * s mod (2^31 - 1); for every s >= 0 all
// intermediate values stay within 32 bits.
void LehmerStep(std::int32_t& s) {
  const std::int32_t k = s / kSchrageQuotient;
  s = kMultiplier * (s - k * kSchrageQuotient) - kSchrageRemainder * k;
  if (s < 0) {
    s += ParkMillerShuffleGenerator::kModulus;
  }
}

// value / (2^31 - 1) rounded to the nearest single-precision number, computed exactly
// with integers: the quotient carries 25 significant bits (24 + a guard bit). A tie is
// impossible because the divisor is an odd prime, so the guard bit alone decides.
float ToUnitInterval(std::int32_t value) {
  if (value <= 0) {
    return 0.0f;
  }
  const auto numerator = static_cast<std::uint64_t>(value);
  const auto divisor = static_cast<std::uint64_t>(ParkMillerShuffleGenerator::kModulus);
  int shift = 0;  // quotient = floor(value * 2^shift / divisor), in [2^24, 2^25)
  while ((numerator << shift) < (divisor << 24)) {
    ++shift;
  }
  const std::uint64_t quotient = (numerator << shift) / divisor;
  const std::uint64_t significand = (quotient >> 1) + (quotient & 1u);
  return std::ldexp(static_cast<float>(significand), 1 - shift);
}

}  // namespace

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
    return kClampValue;
  }
  return ToUnitInterval(last_value_);
}

std::int64_t IndexBelow(float u, std::int64_t n) {
  if (n <= 0 || !(u > 0.0f)) {
    return 0;
  }
  if (n >= (std::int64_t{1} << 32) || !(u < 1.0f)) {
    throw std::invalid_argument("IndexBelow needs 0 <= u < 1 and n < 2^32");
  }
  int exponent = 0;
  const float mantissa = std::frexp(u, &exponent);  // u = mantissa * 2^exponent
  const auto significand = static_cast<std::uint64_t>(std::ldexp(mantissa, 24));
  const int shift = 24 - exponent;  // u = significand * 2^-shift, shift >= 24
  const std::uint64_t product = significand * static_cast<std::uint64_t>(n);
  return shift >= 64 ? 0 : static_cast<std::int64_t>(product >> shift);
}

std::int64_t ScaleToSeedRange(float u) {
  return static_cast<std::int64_t>(static_cast<double>(u) * 2147483648.0);
}

}  // namespace zufora
