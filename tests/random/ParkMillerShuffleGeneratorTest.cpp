#include "random/ParkMillerShuffleGenerator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zufora {
namespace {

std::vector<float> Draws(ParkMillerShuffleGenerator& generator, std::int32_t seed_state, int n) {
  std::vector<float> draws;
  for (int i = 0; i < n; ++i) {
    draws.push_back(generator.Next(seed_state));
  }
  return draws;
}

std::vector<float> SequenceOfSeed(std::int32_t seed, int n) {
  ParkMillerShuffleGenerator generator;
  std::int32_t state = seed == INT32_MIN ? INT32_MIN : -std::abs(seed);
  return Draws(generator, state, n);
}

TEST(ParkMillerShuffleGenerator, FirstOutputsOfSeedOne) {
  const std::vector<double> expected = {0.4159993529, 0.0919648930, 0.7564104795, 0.5297002196,
                                        0.9304364920};
  const auto draws = SequenceOfSeed(1, 5);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(draws[i], expected[i], 5e-11) << "draw " << i;
  }
}

TEST(ParkMillerShuffleGenerator, SeedSignAndZeroDoNotMatter) {
  ParkMillerShuffleGenerator generator;
  EXPECT_EQ(Draws(generator, 0, 50), SequenceOfSeed(1, 50));
  EXPECT_EQ(Draws(generator, -1, 50), SequenceOfSeed(1, 50));
  EXPECT_EQ(SequenceOfSeed(-12345, 50), SequenceOfSeed(12345, 50));
  EXPECT_NE(SequenceOfSeed(12345, 50), SequenceOfSeed(1, 50));
  // The smallest state word has no negation and starts from 1 as well.
  EXPECT_EQ(SequenceOfSeed(INT32_MIN, 50), SequenceOfSeed(1, 50));
}

TEST(ParkMillerShuffleGenerator, NegativeStateRefillsFromItsOwnSeedWhateverCameBefore) {
  ParkMillerShuffleGenerator generator;
  Draws(generator, -999, 17);
  EXPECT_EQ(Draws(generator, -12345, 20), SequenceOfSeed(12345, 20));
}

TEST(ParkMillerShuffleGenerator, StateWordStaysInRange) {
  ParkMillerShuffleGenerator generator;
  std::int32_t state = -4711;
  for (int i = 0; i < 10000; ++i) {
    const float u = generator.Next(state);
    ASSERT_GE(state, 1);
    ASSERT_LE(state, 2147483646);
    ASSERT_GE(u, 0x1p-31f);
    ASSERT_LE(u, 1.0f - 0x1p-23f);
  }
}

TEST(ParkMillerShuffleGenerator, DegenerateSeedGivesZeroOnceThenSeedOne) {
  ParkMillerShuffleGenerator generator;
  std::int32_t state = -2147483647;
  EXPECT_EQ(generator.Next(state), 0.0f);
  EXPECT_EQ(state, 0);
  EXPECT_EQ(Draws(generator, state, 20), SequenceOfSeed(1, 20));
}

TEST(ParkMillerShuffleGenerator, PositiveStateBeforeAnyFillStartsFromOne) {
  ParkMillerShuffleGenerator generator;
  EXPECT_EQ(Draws(generator, 777, 10), SequenceOfSeed(1, 10));
}

TEST(ParkMillerShuffleGenerator, PositiveStateContinuesTheSharedTable) {
  ParkMillerShuffleGenerator shared;
  std::int32_t state = -1;
  shared.Next(state);
  std::int32_t other_state = 500;  // another caller's word, table already filled
  const float continued = shared.Next(other_state);
  // A fresh generator would refill from 1 and give the first draw of seed 1.
  EXPECT_NE(continued, SequenceOfSeed(1, 1)[0]);
  EXPECT_NE(other_state, 500);
}

TEST(IndexBelow, MatchesExactIntegerProduct) {
  // u = s * 2^-24 for a 24-bit s; pick s so that s * n lies one below a multiple of
  // 2^24 with more than 53 significant bits: a double product would round up to the
  // next integer there.
  const std::int64_t n = (std::int64_t{1} << 31) + 1;
  std::uint64_t s = 0;
  for (std::uint64_t candidate = (1u << 23) + 1; candidate < (1u << 24); candidate += 2) {
    if ((candidate * static_cast<std::uint64_t>(n) + 1) % (1u << 24) == 0) {
      s = candidate;
      break;
    }
  }
  ASSERT_NE(s, 0u);
  const float u = std::ldexp(static_cast<float>(s), -24);
  const auto exact = static_cast<std::int64_t>((s * static_cast<std::uint64_t>(n)) >> 24);
  EXPECT_EQ(IndexBelow(u, n), exact);
  EXPECT_EQ(static_cast<std::int64_t>(std::floor(static_cast<double>(u) * static_cast<double>(n))),
            exact + 1)
      << "the case must be one that double arithmetic gets wrong";
}

TEST(IndexBelow, StaysBelowNAtTheExtremes) {
  const float largest = 1.0f - 0x1p-23f;
  const float smallest = 0x1p-31f;
  for (const std::int64_t n :
       {std::int64_t{1}, std::int64_t{2}, std::int64_t{3}, std::int64_t{12}, std::int64_t{1} << 29,
        (std::int64_t{1} << 31) - 1, (std::int64_t{1} << 32) - 1}) {
    EXPECT_LT(IndexBelow(largest, n), n) << n;
    EXPECT_GE(IndexBelow(largest, n), 0) << n;
    EXPECT_EQ(IndexBelow(smallest, n), n >= (std::int64_t{1} << 31) ? n >> 31 : 0) << n;
  }
  EXPECT_EQ(IndexBelow(largest, 8388608), 8388607);
  EXPECT_EQ(IndexBelow(0.5f, 7), 3);
  EXPECT_EQ(IndexBelow(0.0f, 100), 0);
}

TEST(ScaleToSeedRange, IsAWholeNumberInRange) {
  EXPECT_EQ(ScaleToSeedRange(1.0f - 0x1p-23f), 2147483392);
  EXPECT_EQ(ScaleToSeedRange(0x1p-31f), 1);
  EXPECT_EQ(ScaleToSeedRange(0.5f), 1073741824);
}

}  // namespace
}  // namespace zufora

namespace zufora {
namespace {

// value / (2^31 - 1) rounded to nearest single precision, with integers only: a quotient
// of 25 significant bits, rounded up when its guard bit is set (no ties: the divisor is
// an odd prime).
float ExactlyRoundedQuotient(std::int32_t value) {
  const auto numerator = static_cast<std::uint64_t>(value);
  const std::uint64_t divisor = 2147483647;
  int shift = 0;
  while ((numerator << shift) < (divisor << 24)) {
    ++shift;
  }
  const std::uint64_t quotient = (numerator << shift) / divisor;
  const std::uint64_t significand = (quotient >> 1) + (quotient & 1u);
  return std::ldexp(static_cast<float>(significand), 1 - shift);
}

TEST(ToUnitInterval, IsTheCorrectlyRoundedQuotient) {
  std::vector<std::int32_t> values = {1, 2, 3, 2147483389, 2147483388, 1073741823, 1073741824};
  for (int bit = 1; bit < 31; ++bit) {
    for (int delta = -3; delta <= 3; ++delta) {
      values.push_back((1 << bit) + delta);
    }
  }
  std::uint32_t lcg = 12345;
  for (int i = 0; i < 200000; ++i) {
    lcg = lcg * 1664525u + 1013904223u;
    values.push_back(static_cast<std::int32_t>(lcg % 2147483389u) + 1);
  }
  for (const std::int32_t value : values) {
    if (value >= 1 && value <= 2147483389) {
      ASSERT_EQ(ToUnitInterval(value), ExactlyRoundedQuotient(value)) << value;
    }
  }
  EXPECT_EQ(ToUnitInterval(1), 0x1p-31f * (2147483648.0f / 2147483647.0f));
}

}  // namespace
}  // namespace zufora
