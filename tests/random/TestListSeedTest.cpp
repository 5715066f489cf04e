// The test list's seed never is the production seed, nor any seed that draws its lists.
#include "random/TestListSeed.h"

#include <gtest/gtest.h>

#include <limits>

namespace zufora {
namespace {

constexpr std::int32_t kLargestTestSeed = 2147483646;  // 2^31 - 2

void ExpectApart(std::int32_t production) {
  const std::int32_t test = TestListSeed(production);
  EXPECT_GE(test, 1) << production;
  EXPECT_LE(test, kLargestTestSeed) << production;
  EXPECT_EQ(GeneratorKey(test), test) << production;
  EXPECT_NE(GeneratorKey(test), GeneratorKey(production)) << production;
  // Seeds that draw the same lists give the same test list.
  if (production != std::numeric_limits<std::int32_t>::min()) {
    EXPECT_EQ(TestListSeed(-production), test) << production;
  } else {
    EXPECT_EQ(TestListSeed(1), test);
  }
}

TEST(TestListSeed, GeneratorKeysAreThoseOfTheRefill) {
  EXPECT_EQ(GeneratorKey(4711), 4711);
  EXPECT_EQ(GeneratorKey(-4711), 4711);
  EXPECT_EQ(GeneratorKey(0), 1);
  EXPECT_EQ(GeneratorKey(std::numeric_limits<std::int32_t>::min()), 1);
  EXPECT_EQ(GeneratorKey(std::numeric_limits<std::int32_t>::max()), 2147483647);
}

TEST(TestListSeed, NeverThatOfTheProductionSeedAtTheEdges) {
  for (const std::int32_t seed :
       {0, 1, -1, 2, -2, 4711, 12345, 20261208, kLargestTestSeed, -kLargestTestSeed,
        std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min() + 1,
        std::numeric_limits<std::int32_t>::min()}) {
    ExpectApart(seed);
  }
}

TEST(TestListSeed, NeverThatOfTheProductionSeedAcrossTheRange) {
  for (std::int64_t seed = 1; seed <= std::numeric_limits<std::int32_t>::max(); seed += 2039) {
    const auto production = static_cast<std::int32_t>(seed);
    const std::int32_t test = TestListSeed(production);
    ASSERT_TRUE(test >= 1 && test <= kLargestTestSeed && test != production) << production;
  }
}

// The one key whose mixed value is itself, found by a search over all keys: the rule's
// second step moves its test seed on by one. The mix is written out here again, as the
// rule documents it.
TEST(TestListSeed, TheFixedPointOfTheMixMovesOn) {
  constexpr std::int32_t kFixedPoint = 848633295;
  std::uint64_t z = std::uint64_t{kFixedPoint} ^ 0x5A75666F72615445ULL;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  z ^= z >> 31;
  ASSERT_EQ(1 + z % 2147483646u, std::uint64_t{kFixedPoint});
  EXPECT_EQ(TestListSeed(kFixedPoint), kFixedPoint + 1);
  EXPECT_EQ(TestListSeed(-kFixedPoint), kFixedPoint + 1);
}

}  // namespace
}  // namespace zufora
