// The balance tally and the simulation over seeds, against counts done by hand.
#include <gtest/gtest.h>

#include "evidence/BalanceSimulation.h"
#include "evidence/BalanceTally.h"
#include "support/DesignBuilder.h"

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

// Odd seeds give 1,1 and even seeds 1,2 in one block of 2.
class SeedParity : public DesignDrawer {
 public:
  void Draw(const StudyDesign& design, bool accept_misfits, ListConsumer& consumer) override {
    seeds.push_back(design.seed);
    accepted = accept_misfits;
    consumer.Title(design.study_name);
    HandOn(consumer, {1, std::stoi(design.seed) % 2 == 1 ? 1 : 2}, {2});
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

TEST(BalanceSimulation, RatiosOfTheCheckedArmsOnly) {
  StudyDesign design = testing::MakeDesign({"2", "x", "-1", "5"}, "10", "1");
  design.checked.arm_count = 3;
  EXPECT_EQ(BalanceRatios(design), (std::vector<std::int64_t>{2, 0, 0}));
}

}  // namespace
}  // namespace zufora
