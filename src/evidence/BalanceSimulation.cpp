#include "evidence/BalanceSimulation.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "evidence/BalanceTally.h"
#include "text/IntegerText.h"

namespace zufora {
namespace {

double PerPatient(double hits, std::int64_t patients) {
  return hits / static_cast<double>(std::max<std::int64_t>(patients, 1));
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

SeedSimulation SimulateSeeds(const StudyDesign& design, const std::vector<std::int64_t>& ratios,
                             std::int64_t seeds, bool accept_misfits, DesignDrawer& drawer) {
  BalanceTally tally(ratios);
  SeedSimulation simulation;
  simulation.seeds = seeds;
  StudyDesign copy = design;
  for (std::int64_t seed = 1; seed <= seeds; ++seed) {
    copy.seed = std::to_string(seed);
    drawer.Draw(copy, accept_misfits, tally);
    ++simulation.final_imbalances[std::llround(tally.StudyImbalance() * 1000)];
    tally.ClearLists();
  }
  simulation.patients = tally.Patients();
  simulation.convergence_hits = tally.ConvergenceHits();
  simulation.block_hits = tally.BlockHits();
  return simulation;
}

}  // namespace zufora
