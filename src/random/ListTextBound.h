#pragma once

#include <cstdint>

#include "design/TextGrid.h"

namespace zufora {

// Bounds of a list text's size that are known before anything is drawn, so that the one
// limit of a list text (kMaxListTextBytes) can be kept before drawing.

// The most bytes one allocation line takes with the arms 1..arm_count of the arm table:
// the patient number (at most 10 digits), TAB, the arm number (at most 5), TAB, the
// longest description, LF.
std::uint64_t LongestAllocationLine(const TextGrid& arms, std::int32_t arm_count);

// The most bytes that the allocation lines of `patients` (>= 0) take with those arms;
// the largest value where that is beyond 64 bits.
std::uint64_t AllocationLinesBound(std::int64_t patients, const TextGrid& arms,
                                   std::int32_t arm_count);

}  // namespace zufora
