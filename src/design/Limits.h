#pragma once

#include <cstdint>

namespace zufora {

// What one design may ask for. Beyond these the program refuses with a message
// instead of exhausting memory; the README documents them.
inline constexpr std::int32_t kMaxArms = 65536;           // size of the quota table
inline constexpr std::int64_t kMaxPatients = 10'000'000;  // all lists of one generation
inline constexpr std::int32_t kMaxCentres = 100'000;
inline constexpr std::int32_t kMaxFactors = 8;           // stratification factors of a design
inline constexpr std::int32_t kMaxLevels = 64;           // levels of one factor
inline constexpr std::int32_t kMaxStrata = kMaxCentres;  // centres x level combinations
inline constexpr std::int64_t kMaxListTextBytes = std::int64_t{1} << 30;  // one list text

// Every block then stays below 2^24 patients, where floor(u * B) reaches every position
// but the last few, and those only beyond 2^23.
static_assert(kMaxPatients < (std::int64_t{1} << 24));

}  // namespace zufora
