#pragma once

#include <cstddef>

namespace zufora::bench {

// Bytes allocated through operator new in this process: now, and the peak since the
// last reset. Linking AllocationCounter.cpp into a benchmark replaces the global
// operator new and delete to keep these figures.
std::size_t CurrentAllocatedBytes();
std::size_t PeakAllocatedBytes();
void ResetPeakAllocatedBytes();

}  // namespace zufora::bench
