// Lists whose allocations are known: they pin down the order of draws.
#include <gtest/gtest.h>

#include "PlanDrawing.h"
#include "random/ListText.h"
#include "support/DesignBuilder.h"
#include "support/ListTextReading.h"

namespace zufora {
namespace {

using testing::ArmPattern;
using testing::CentrePlan;
using testing::MakeDesign;
using testing::SinglePlan;

const std::string kSeparator = "------- Block ------";

class KnownLists : public ::testing::Test {
 protected:
  // The plan's list text, arms described "Arm-i", centres as `design` names them.
  std::string Draw(const ListPlan& plan, const StudyDesign& design) {
    drawn_ = testing::DrawPlan(plan, generator_, design.study_name);
    return RenderListText(drawn_.lists, design, ListTextOptions{});
  }
  std::string Draw(const ListPlan& plan) {
    return Draw(plan, MakeDesign(std::vector<std::string>(plan.ratios.size(), "1"), "0", "1"));
  }

  ParkMillerShuffleGenerator generator_;
  testing::DrawnPlan drawn_;
};

TEST_F(KnownLists, WorkedExampleLineByLine) {
  ListPlan plan = SinglePlan({1, 1, 1}, 12, 12345);
  testing::SetFixed(plan, 6);
  StudyDesign design = MakeDesign({"1", "1", "1"}, "12", "12345");
  design.study_name = "Beispielstudie";
  design.arms.SetCell(kArmDescriptionColumn, 1, "Placebo");
  design.arms.SetCell(kArmDescriptionColumn, 2, "Dosis A");
  design.arms.SetCell(kArmDescriptionColumn, 3, "Dosis B");

  EXPECT_EQ(Draw(plan, design),
            "Beispielstudie\n"
            "Seed: (12345)\n"
            "1\t3\tDosis B\n"
            "2\t1\tPlacebo\n"
            "3\t3\tDosis B\n"
            "4\t2\tDosis A\n"
            "5\t2\tDosis A\n"
            "6\t1\tPlacebo\n"
            "------- Block ------\n"
            "7\t2\tDosis A\n"
            "8\t1\tPlacebo\n"
            "9\t3\tDosis B\n"
            "10\t3\tDosis B\n"
            "11\t2\tDosis A\n"
            "12\t1\tPlacebo\n"
            "------- Block ------\n");
  EXPECT_TRUE(drawn_.problems.empty());
  EXPECT_TRUE(drawn_.complete);
  ASSERT_EQ(drawn_.lists.lists.size(), 1u);
  EXPECT_EQ(drawn_.lists.lists[0].block_sizes, (std::vector<std::int32_t>{6, 6}));
}

TEST_F(KnownLists, VariableBlocksWithACutLastBlock) {
  ListPlan plan = SinglePlan({1, 1}, 10, 12345);
  testing::SetVariable(plan, 2, 6);
  EXPECT_EQ(ArmPattern(Draw(plan), kSeparator), "2,2,2,1,1,1|1,2|1,2|");
  EXPECT_EQ(drawn_.lists.lists[0].block_sizes, (std::vector<std::int32_t>{6, 2, 2}));
  EXPECT_TRUE(drawn_.problems.empty());
}

TEST_F(KnownLists, UnequalRatiosFixedBlocks) {
  ListPlan plan = SinglePlan({2, 1}, 6, 1);
  testing::SetFixed(plan, 3);
  EXPECT_EQ(ArmPattern(Draw(plan), kSeparator), "1,1,2|2,1,1|");
}

TEST_F(KnownLists, OddPatientOfAMisfitGoesToTheLastArm) {
  ListPlan plan = SinglePlan({1, 1}, 7, 99);
  testing::SetVariable(plan, 2, 4);
  EXPECT_EQ(ArmPattern(Draw(plan), kSeparator), "2,1,2,1|2,1,2|");
  EXPECT_EQ(drawn_.lists.lists[0].block_sizes, (std::vector<std::int32_t>{4, 3}));
}

TEST_F(KnownLists, CentreListsWithTheirSeeds) {
  ListPlan plan = CentrePlan({1, 1}, {4, 6}, 4711);
  testing::SetFixed(plan, 2);
  StudyDesign design = MakeDesign({"1", "1"}, "10", "4711");
  testing::SetCentres(design, {{"1", "Nord", "4"}, {"2", "Süd", "6"}});
  const std::string text = Draw(plan, design);
  EXPECT_EQ(text.substr(0, text.find('\n', text.find('\n') + 1) + 1),
            "Studie\nZentrum 1\tNord - Seed: (773724032)\n");
  EXPECT_EQ(ArmPattern(text, kSeparator),
            "[Zentrum 1\tNord - Seed: (773724032)]2,1|2,1|"
            "[Zentrum 2\tSüd - Seed: (1659940736)]2,1|1,2|2,1|");
  EXPECT_TRUE(drawn_.complete);
}

TEST_F(KnownLists, CentreWithoutPatientsShowsOnlyItsHeading) {
  ListPlan plan = CentrePlan({1, 1}, {4, 0, 6}, 4711);
  testing::SetFixed(plan, 2);
  StudyDesign design = MakeDesign({"1", "1"}, "10", "4711");
  testing::SetCentres(design, {{"1", "A", "4"}, {"2", "B", "0"}, {"3", "C", "6"}});
  EXPECT_EQ(ArmPattern(Draw(plan, design), kSeparator),
            "[Zentrum 1\tA - Seed: (773724032)]2,1|2,1|"
            "[Zentrum 2\tB - Seed: (1659940736)]"
            "[Zentrum 3\tC - Seed: (896812352)]1,2|1,2|2,1|");
}

TEST_F(KnownLists, CentreListEqualsSingleListOfItsSeed) {
  ListPlan centres = CentrePlan({1, 1}, {4, 6}, 4711);
  testing::SetFixed(centres, 2);
  Draw(centres);
  const RandomizationList first_centre = drawn_.lists.lists[0];

  ListPlan single = SinglePlan({1, 1}, 4, 773724032);
  testing::SetFixed(single, 2);
  EXPECT_EQ(ArmPattern(Draw(single), kSeparator), "2,1|2,1|");
  ASSERT_EQ(drawn_.lists.lists.size(), 1u);
  EXPECT_EQ(drawn_.lists.lists[0].block_sizes, first_centre.block_sizes);
  EXPECT_EQ(drawn_.lists.lists[0].arms, first_centre.arms);
}

TEST_F(KnownLists, SmallestSeedKeepsItsSignAndDrawsAsSeedOne) {
  ListPlan plan = SinglePlan({1, 1}, 4, INT32_MIN);
  testing::SetFixed(plan, 2);
  const std::string text = Draw(plan);
  EXPECT_EQ(testing::SplitLines(text)[1], "Seed: (-2147483648)");
  // The state word -2^31 refills from 1, as the seed 1 does.
  ListPlan seed_one = plan;
  seed_one.seed = SeedOf(1);
  EXPECT_EQ(ArmPattern(text, kSeparator), ArmPattern(Draw(seed_one), kSeparator));
}

TEST(StudySeed, StateWordIsMinusTheShownAbsoluteValue) {
  EXPECT_EQ(SeedOf(12345).state_word, -12345);
  EXPECT_EQ(SeedOf(12345).shown, 12345);
  EXPECT_EQ(SeedOf(-12345).state_word, -12345);
  EXPECT_EQ(SeedOf(-12345).shown, 12345);
  EXPECT_EQ(SeedOf(0).state_word, 0);
  EXPECT_EQ(SeedOf(0).shown, 0);
  EXPECT_EQ(SeedOf(INT32_MIN).state_word, INT32_MIN);
  EXPECT_EQ(SeedOf(INT32_MIN).shown, INT32_MIN);
  EXPECT_EQ(SeedOf(INT32_MAX).state_word, -INT32_MAX);
}

}  // namespace
}  // namespace zufora
