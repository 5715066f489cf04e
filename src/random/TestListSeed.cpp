#include "random/TestListSeed.h"

#include <limits>

namespace zufora {

std::int32_t GeneratorKey(std::int32_t seed) {
  if (seed == 0 || seed == std::numeric_limits<std::int32_t>::min()) {
    return 1;
  }
  return seed < 0 ? -seed : seed;
}

std::int32_t TestListSeed(std::int32_t seed) {
  constexpr std::uint64_t kRange = 2147483646;  // 2^31 - 2 values: 1 .. 2^31 - 2
  constexpr std::uint64_t kSalt = 0x5A75666F72615445;
  constexpr std::uint64_t kFirstFactor = 0xBF58476D1CE4E5B9;
  constexpr std::uint64_t kSecondFactor = 0x94D049BB133111EB;
  const std::int32_t key = GeneratorKey(seed);
  std::uint64_t z = static_cast<std::uint32_t>(key) ^ kSalt;
  z ^= z >> 30;
  z *= kFirstFactor;
  z ^= z >> 27;
  z *= kSecondFactor;
  z ^= z >> 31;
  auto test = static_cast<std::int32_t>(1 + z % kRange);
  if (test == key) {
    test = static_cast<std::int32_t>(static_cast<std::uint64_t>(test) % kRange + 1);
  }
  return test;
}

}  // namespace zufora
