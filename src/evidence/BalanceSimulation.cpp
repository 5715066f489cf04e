#include "evidence/BalanceSimulation.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "evidence/BalanceTally.h"
#include "text/IntegerText.h"

namespace zufora {
namespace {

constexpr std::size_t kFailedSeedsNamed = 10;

double PerPatient(double hits, std::int64_t patients) {
  return hits / static_cast<double>(std::max<std::int64_t>(patients, 1));
}

std::optional<double> StandardError(double sum, double squares, std::int64_t count) {
  if (count < 2) {
    return std::nullopt;
  }
  const auto n = static_cast<double>(count);
  const double mean = sum / n;
  const double variance = std::max(0.0, (squares - n * mean * mean) / (n - 1));
  return std::sqrt(variance / n);
}

}  // namespace

std::vector<std::int64_t> BalanceRatios(const StudyDesign& design) {
  std::vector<std::int64_t> ratios;
  for (std::int32_t arm = 1; arm <= design.checked.arm_count; ++arm) {
    const auto ratio = ParseIntegerText(design.arms.Cell(kArmRatioColumn, arm));
    ratios.push_back(ratio && *ratio > 0 ? *ratio : 0);
  }
  return ratios;
}

double SeedSimulation::ConvergenceShare() const {
  return PerPatient(convergence_hits, patients);
}

double SeedSimulation::BlockShare() const {
  return PerPatient(block_hits, patients);
}

std::optional<double> SeedSimulation::ConvergenceError() const {
  return StandardError(convergence_sum, convergence_squares, drawn);
}

std::optional<double> SeedSimulation::BlockError() const {
  return StandardError(block_sum, block_squares, drawn);
}

SeedSimulation SimulateSeeds(const StudyDesign& design, const std::vector<std::int64_t>& ratios,
                             std::int64_t seeds, bool accept_misfits, DesignDrawer& drawer,
                             const std::function<void(std::int64_t)>& progress) {
  BalanceTally tally(ratios, false);
  SeedSimulation simulation;
  simulation.seeds = seeds;
  StudyDesign copy = design;
  const std::int64_t step = std::max<std::int64_t>(1, seeds / 100);
  for (std::int64_t seed = 1; seed <= seeds; ++seed) {
    copy.seed = std::to_string(seed);
    tally.ClearLists();
    tally.ClearGuesses();
    if (!drawer.Draw(copy, accept_misfits, tally)) {
      ++simulation.failed;
      if (simulation.failed_seeds.size() < kFailedSeedsNamed) {
        simulation.failed_seeds.push_back(seed);
      }
    } else {
      ++simulation.drawn;
      ++simulation.final_imbalances[std::llround(tally.StudyImbalance() * 1000)];
      simulation.patients += tally.Patients();
      simulation.convergence_hits += tally.ConvergenceHits();
      simulation.block_hits += tally.BlockHits();
      const double convergence = PerPatient(tally.ConvergenceHits(), tally.Patients());
      const double block = PerPatient(tally.BlockHits(), tally.Patients());
      simulation.convergence_sum += convergence;
      simulation.convergence_squares += convergence * convergence;
      simulation.block_sum += block;
      simulation.block_squares += block * block;
    }
    if (progress && (seed % step == 0 || seed == seeds)) {
      progress(seed);
    }
  }
  return simulation;
}

}  // namespace zufora
