#pragma once

#include <cstdint>

namespace zufora {

// The value the generator's state starts from for the seed v of the seed field (see
// ParkMillerShuffleGenerator): |v|, or 1 for 0 and -2^31, which have no other. Two seeds
// with the same key draw the same lists.
std::int32_t GeneratorKey(std::int32_t seed);

// The seed of the test list of the production seed `seed`: a list to rehearse with that
// is never the production list. With K the production seed's generator key,
//
//   z = K XOR 0x5A75666F72615445 ("ZuforaTE"), mixed by SplitMix64's finaliser
//       (z ^= z >> 30; z *= 0xBF58476D1CE4E5B9; z ^= z >> 27; z *= 0x94D049BB133111EB;
//        z ^= z >> 31, all modulo 2^64),
//   T = 1 + z mod (2^31 - 2), and T mod (2^31 - 2) + 1 instead when that equals K.
//
// T lies in 1 .. 2^31 - 2, so it is its own generator key and never the degenerate seed
// 2^31 - 1; and T differs from K, so the test list never has the production seed's key
// (nor that of any other seed that draws the production lists).
std::int32_t TestListSeed(std::int32_t seed);

}  // namespace zufora
