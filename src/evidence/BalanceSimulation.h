#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "design/StudyDesign.h"
#include "evidence/DesignDrawer.h"

namespace zufora {

// The ratios a balance tally weighs the arms by: those of arms 1..the checked arm count,
// a ratio that cannot be read or is below 1 counting 0.
std::vector<std::int64_t> BalanceRatios(const StudyDesign& design);

// The most seeds one simulation draws, and the most patients it draws in all (seeds times
// the patients of one draw): about a minute of drawing.
inline constexpr std::int64_t kMaxSimulatedSeeds = 100'000;
inline constexpr std::int64_t kMaxSimulatedPatients = 1'000'000'000;

// How predictable and how balanced the lists of many seeds are (see BalanceTally). The
// figures are over the seeds whose lists were drawn in full; the others are counted.
struct SeedSimulation {
  std::int64_t seeds = 0;                  // asked for: 1..seeds
  std::int64_t drawn = 0;                  // whose lists were all drawn in full
  std::vector<std::int64_t> failed_seeds;  // the first ones that were not (at most 10)
  std::int64_t failed = 0;
  std::int64_t patients = 0;  // in the lists of the seeds drawn
  double convergence_hits = 0;
  double block_hits = 0;
  // Over the seeds drawn, of each seed's share of right guesses: sum and sum of squares.
  double convergence_sum = 0;
  double convergence_squares = 0;
  double block_sum = 0;
  double block_squares = 0;
  // The final imbalance of the study, times 1000 and rounded, -> how many seeds gave it.
  std::map<std::int64_t, std::int64_t> final_imbalances;

  // Right guesses per patient (per one patient when there were none).
  double ConvergenceShare() const;
  double BlockShare() const;
  // The Monte-Carlo standard error of each share: the spread of the seeds' shares over
  // the root of the seeds drawn; none with fewer than two.
  std::optional<double> ConvergenceError() const;
  std::optional<double> BlockError() const;
};

// Draws the lists of `design` with each of the seeds 1..seeds instead of its own, through
// `drawer`, and tallies them by `ratios` (as BalanceRatios gives them). `progress` (if
// any) hears how many seeds are done, now and then.
SeedSimulation SimulateSeeds(const StudyDesign& design, const std::vector<std::int64_t>& ratios,
                             std::int64_t seeds, bool accept_misfits, DesignDrawer& drawer,
                             const std::function<void(std::int64_t done)>& progress = {});

}  // namespace zufora
