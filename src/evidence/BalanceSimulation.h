#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "design/StudyDesign.h"
#include "evidence/DesignDrawer.h"

namespace zufora {

// The ratios a balance tally weighs the arms by: those of arms 1..the checked arm count,
// a ratio that cannot be read or is below 1 counting 0.
std::vector<std::int64_t> BalanceRatios(const StudyDesign& design);

// How predictable and how balanced the lists of many seeds are (see BalanceTally).
struct SeedSimulation {
  std::int64_t seeds = 0;
  std::int64_t patients = 0;  // in the lists of all seeds
  double convergence_hits = 0;
  double block_hits = 0;
  // The final imbalance of the study, times 1000 and rounded, -> how many seeds gave it.
  std::map<std::int64_t, std::int64_t> final_imbalances;

  // Right guesses per patient (per one patient when there were none).
  double ConvergenceShare() const;
  double BlockShare() const;
};

// Draws the lists of `design` with each of the seeds 1..seeds instead of its own, through
// `drawer`, and tallies them by `ratios` (as BalanceRatios gives them).
SeedSimulation SimulateSeeds(const StudyDesign& design, const std::vector<std::int64_t>& ratios,
                             std::int64_t seeds, bool accept_misfits, DesignDrawer& drawer);

}  // namespace zufora
