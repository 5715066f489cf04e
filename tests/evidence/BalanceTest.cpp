// The balance tally and the simulation over seeds, against counts done by hand.
#include <gtest/gtest.h>

#include "evidence/BalanceSimulation.h"
#include "evidence/BalanceTally.h"
#include "support/DesignBuilder.h"

#include <cmath>
#include <limits>
#include <random>

namespace zufora {
namespace {

void HandOn(ListConsumer& consumer, std::vector<std::int32_t> arms,
            std::vector<std::int32_t> block_sizes) {
  RandomizationList list;
  list.seed = 17;
  consumer.BeginList(list);
  consumer.Blocks(1, arms, block_sizes);
}

TEST(BalanceTally, GuessesAndImbalanceInBlocksOfTwo) {
  // 2,1 | 1,2: the first place of each block is a coin for both observers, the second
  // is known to both.
  BalanceTally tally({1, 1});
  HandOn(tally, {2, 1, 1, 2}, {2, 2});
  EXPECT_EQ(tally.Patients(), 4);
  EXPECT_DOUBLE_EQ(tally.ConvergenceHits(), 3.0);
  EXPECT_DOUBLE_EQ(tally.BlockHits(), 3.0);
  ASSERT_EQ(tally.Lists().size(), 1u);
  const BalanceTally::ListBalance& list = tally.Lists()[0];
  EXPECT_EQ(list.seed, 17);
  EXPECT_EQ(list.patients_per_arm, (std::vector<std::int64_t>{2, 2}));
  EXPECT_EQ(list.block_sizes, (std::map<std::int32_t, std::int64_t>{{2, 2}}));
  EXPECT_DOUBLE_EQ(list.largest_imbalance, 1.0);
  EXPECT_DOUBLE_EQ(list.final_imbalance, 0.0);
}

TEST(BalanceTally, ImbalanceWeighsPatientsByRatioAndSkipsArmsWithoutOne) {
  BalanceTally tally({2, 0, 1});
  HandOn(tally, {1, 3, 1}, {3});
  HandOn(tally, {1}, {1});
  ASSERT_EQ(tally.Lists().size(), 2u);
  EXPECT_DOUBLE_EQ(tally.Lists()[0].final_imbalance, 0.0);    // 2 / 2 against 1 / 1
  EXPECT_DOUBLE_EQ(tally.Lists()[0].largest_imbalance, 0.5);  // 1 / 2 against 0 / 1
  EXPECT_DOUBLE_EQ(tally.Lists()[1].final_imbalance, 0.5);    // 1 / 2 against 0 / 1
  EXPECT_DOUBLE_EQ(tally.StudyImbalance(), 0.5);              // 3 / 2 against 1 / 1
  EXPECT_DOUBLE_EQ(tally.PlannedPatients(tally.Lists()[0], 1), 2.0);
  EXPECT_DOUBLE_EQ(tally.PlannedPatients(tally.Lists()[0], 2), 0.0);
  EXPECT_DOUBLE_EQ(tally.PlannedPatients(tally.Lists()[0], 3), 1.0);
  tally.ClearLists();
  EXPECT_TRUE(tally.Lists().empty());
  EXPECT_EQ(tally.Patients(), 4);
}

// The tally by its definition, walking every arm at every patient: what the fast tally
// must give for any list, whatever arms it holds.
struct Reference {
  double convergence = 0;
  double block = 0;
  double largest = 0;
  double final = 0;
};

double ReferenceImbalance(const std::vector<std::int64_t>& ratios,
                          const std::vector<std::int64_t>& counts) {
  double highest = -std::numeric_limits<double>::infinity();
  double lowest = std::numeric_limits<double>::infinity();
  for (std::size_t a = 0; a < ratios.size(); ++a) {
    if (ratios[a] > 0) {
      const double share = static_cast<double>(counts[a]) / static_cast<double>(ratios[a]);
      highest = std::max(highest, share);
      lowest = std::min(lowest, share);
    }
  }
  return highest >= lowest ? highest - lowest : 0;
}

Reference ReferenceTally(const std::vector<std::int64_t>& ratios,
                         const std::vector<std::int32_t>& arms,
                         const std::vector<std::int32_t>& blocks) {
  Reference reference;
  std::int64_t sum = 0;
  for (const std::int64_t ratio : ratios) {
    sum += ratio;
  }
  const std::size_t count = ratios.size();
  std::vector<std::int64_t> counts(count, 0);
  std::size_t i = 0;
  for (const std::int32_t block : blocks) {
    std::vector<std::int64_t> quota(count, 0);
    std::int64_t rest = block;
    for (std::size_t a = 0; a + 1 < count; ++a) {
      quota[a] = block * ratios[a] / sum;
      rest -= quota[a];
    }
    quota[count - 1] = rest;
    std::vector<std::int64_t> in_block(count, 0);
    for (std::int32_t k = 0; k < block && i < arms.size(); ++k, ++i) {
      const auto actual = static_cast<std::size_t>(arms[i] - 1);
      double lowest = std::numeric_limits<double>::infinity();
      std::int64_t most = std::numeric_limits<std::int64_t>::min();
      for (std::size_t a = 0; a < count; ++a) {
        if (ratios[a] > 0) {
          lowest =
              std::min(lowest, static_cast<double>(counts[a]) / static_cast<double>(ratios[a]));
        }
        most = std::max(most, quota[a] - in_block[a]);
      }
      int lowest_ties = 0;
      int most_ties = 0;
      for (std::size_t a = 0; a < count; ++a) {
        if (ratios[a] > 0 &&
            static_cast<double>(counts[a]) / static_cast<double>(ratios[a]) == lowest) {
          ++lowest_ties;
        }
        if (quota[a] - in_block[a] == most) {
          ++most_ties;
        }
      }
      if (ratios[actual] > 0 &&
          static_cast<double>(counts[actual]) / static_cast<double>(ratios[actual]) == lowest) {
        reference.convergence += 1.0 / lowest_ties;
      }
      if (quota[actual] - in_block[actual] == most) {
        reference.block += 1.0 / most_ties;
      }
      ++counts[actual];
      ++in_block[actual];
      reference.largest = std::max(reference.largest, ReferenceImbalance(ratios, counts));
    }
  }
  reference.final = ReferenceImbalance(ratios, counts);
  return reference;
}

// Lists of every kind - ratios with zeros (the last arm's too), blocks that follow their
// quotas or not, cut last blocks - tallied fast and by definition.
TEST(BalanceTally, AgreesWithTheDefinitionOnAnyList) {
  std::mt19937 random(20240501);
  for (int round = 0; round < 300; ++round) {
    const int arm_count = 1 + static_cast<int>(random() % 6);
    std::vector<std::int64_t> ratios;
    std::int64_t sum = 0;
    for (int a = 0; a < arm_count; ++a) {
      ratios.push_back(static_cast<std::int64_t>(random() % 4));
      sum += ratios.back();
    }
    if (sum == 0) {
      ratios[0] = 1;
    }
    std::vector<std::int32_t> blocks;
    std::vector<std::int32_t> arms;
    const int block_count = 1 + static_cast<int>(random() % 5);
    for (int b = 0; b < block_count; ++b) {
      blocks.push_back(1 + static_cast<std::int32_t>(random() % 9));
      for (std::int32_t k = 0; k < blocks.back(); ++k) {
        arms.push_back(1 + static_cast<std::int32_t>(random() % static_cast<unsigned>(arm_count)));
      }
    }
    if (round % 3 == 0) {
      arms.resize(arms.size() - static_cast<std::size_t>(
                                    random() % static_cast<unsigned>(blocks.back())));  // cut
    }
    BalanceTally tally(ratios);
    HandOn(tally, arms, blocks);
    const Reference reference = ReferenceTally(ratios, arms, blocks);
    SCOPED_TRACE("round " + std::to_string(round));
    EXPECT_NEAR(tally.ConvergenceHits(), reference.convergence, 1e-9);
    EXPECT_NEAR(tally.BlockHits(), reference.block, 1e-9);
    EXPECT_DOUBLE_EQ(tally.Lists()[0].largest_imbalance, reference.largest);
    EXPECT_DOUBLE_EQ(tally.Lists()[0].final_imbalance, reference.final);
    EXPECT_DOUBLE_EQ(tally.StudyImbalance(), reference.final);
  }
}

// Odd seeds give 1,1 and even seeds 1,2 in one block of 2.
class SeedParity : public DesignDrawer {
 public:
  bool Draw(const StudyDesign& design, bool accept_misfits, ListConsumer& consumer) override {
    seeds.push_back(design.seed);
    accepted = accept_misfits;
    consumer.Title(design.study_name);
    HandOn(consumer, {1, std::stoi(design.seed) % 2 == 1 ? 1 : 2}, {2});
    return true;
  }
  std::vector<std::string> seeds;
  bool accepted = false;
};

TEST(BalanceSimulation, TalliesTheListsOfEachSeed) {
  const StudyDesign design = testing::MakeDesign({"1", "1"}, "2", "999");
  SeedParity drawer;
  const SeedSimulation simulation = SimulateSeeds(design, {1, 1}, 5, true, drawer);
  EXPECT_EQ(drawer.seeds, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  EXPECT_TRUE(drawer.accepted);
  EXPECT_EQ(simulation.seeds, 5);
  EXPECT_EQ(simulation.patients, 10);
  // Odd seeds: a coin, then a miss; even seeds: a coin, then a hit.
  EXPECT_DOUBLE_EQ(simulation.ConvergenceShare(), 4.5 / 10);
  EXPECT_DOUBLE_EQ(simulation.BlockShare(), 4.5 / 10);
  EXPECT_EQ(simulation.final_imbalances, (std::map<std::int64_t, std::int64_t>{{0, 2}, {2000, 3}}));
  EXPECT_DOUBLE_EQ(SeedSimulation{}.ConvergenceShare(), 0.0);
}

// Seeds divisible by 3 fail halfway: their partial lists must not count.
class FailingThirds : public DesignDrawer {
 public:
  bool Draw(const StudyDesign& design, bool, ListConsumer& consumer) override {
    const int seed = std::stoi(design.seed);
    consumer.Title(design.study_name);
    if (seed % 3 == 0) {
      HandOn(consumer, {1, 1, 1}, {3});  // an unbalanced start of a list
      return false;
    }
    HandOn(consumer, {1, seed % 2 == 1 ? 1 : 2, 2, 1}, {2, 2});
    return true;
  }
};

TEST(BalanceSimulation, SeedsThatCannotBeDrawnAreCountedAndLeftOut) {
  const StudyDesign design = testing::MakeDesign({"1", "1"}, "4", "999");
  FailingThirds drawer;
  std::vector<std::int64_t> progress;
  const SeedSimulation simulation =
      SimulateSeeds(design, {1, 1}, 7, false, drawer,
                    [&progress](std::int64_t done) { progress.push_back(done); });
  EXPECT_EQ(simulation.seeds, 7);
  EXPECT_EQ(simulation.drawn, 5);
  EXPECT_EQ(simulation.failed, 2);
  EXPECT_EQ(simulation.failed_seeds, (std::vector<std::int64_t>{3, 6}));
  EXPECT_EQ(simulation.patients, 20);
  // Convergence observer, odd seeds 1,1|2,1: 1/2, 0, 1, 0; even seeds 1,2|2,1: 1/2, 1,
  // 1/2, 1. Seeds 1, 5, 7 are odd, 2 and 4 even.
  EXPECT_DOUBLE_EQ(simulation.ConvergenceShare(), (3 * 1.5 + 2 * 3.0) / 20);
  // The seeds' shares 0.375 (3 times) and 0.75 (twice) about their mean 0.525.
  const double variance = (3 * 0.15 * 0.15 + 2 * 0.225 * 0.225) / 4;
  EXPECT_NEAR(*simulation.ConvergenceError(), std::sqrt(variance / 5), 1e-12);
  // Odd seeds end 3:1, even ones 2:2; the failed seeds' 3:0 is not there.
  EXPECT_EQ(simulation.final_imbalances, (std::map<std::int64_t, std::int64_t>{{0, 2}, {2000, 3}}));
  EXPECT_EQ(progress.back(), 7);

  const SeedSimulation one = SimulateSeeds(design, {1, 1}, 1, false, drawer);
  EXPECT_FALSE(one.ConvergenceError());
}

TEST(BalanceSimulation, RatiosOfTheCheckedArmsOnly) {
  StudyDesign design = testing::MakeDesign({"2", "x", "-1", "5"}, "10", "1");
  design.checked.arm_count = 3;
  EXPECT_EQ(BalanceRatios(design), (std::vector<std::int64_t>{2, 0, 0}));
}

}  // namespace
}  // namespace zufora
