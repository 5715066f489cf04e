// The known values: the file the program carries, read and run with a drawer that takes
// the designs' numbers as they stand (the checks run them in the pages' tests).
#include "evidence/KnownValues.h"

#include <gtest/gtest.h>

#include <fstream>

#include "random/ListGenerator.h"
#include "text/IntegerText.h"

namespace zufora {
namespace {

// Draws a design's numbers without any check, and notes what it was given.
class UncheckedDrawer : public DesignDrawer {
 public:
  bool Draw(const StudyDesign& design, bool accept_misfits, ListConsumer& consumer) override {
    designs.push_back(design);
    accepted.push_back(accept_misfits);
    ListPlan plan;
    plan.seed = SeedOf(*ParseIntegerText(design.seed));
    for (std::int32_t arm = 1; arm <= *ParseIntegerText(design.arm_count); ++arm) {
      plan.ratios.push_back(*ParseIntegerText(design.arms.Cell(kArmRatioColumn, arm)));
    }
    plan.block_mode = design.block_mode;
    plan.fixed_block_size = ParseIntegerText(design.fixed_block_size).value_or(0);
    plan.min_block_size = ParseIntegerText(design.min_block_size).value_or(0);
    plan.max_block_size = ParseIntegerText(design.max_block_size).value_or(0);
    if (design.per_centre_lists) {
      plan.seeds = ListSeeds::kDrawnPerList;
      for (std::int32_t c = 1; c <= *ParseIntegerText(design.centre_count); ++c) {
        plan.lists.push_back(
            {c, *ParseIntegerText(design.centres.Cell(kCentreSampleSizeColumn, c))});
      }
    } else {
      plan.lists.push_back({std::nullopt, *ParseIntegerText(design.sample_size)});
    }
    consumer.Title(design.study_name);
    ParkMillerShuffleGenerator generator;
    struct : DrawProblemSink {
      void Report(DrawProblem) override {}
    } problems;
    return ListGenerator(generator).Draw(plan, consumer, problems);
  }

  std::vector<StudyDesign> designs;
  std::vector<bool> accepted;
};

std::string KnownValuesFile() {
  std::ifstream in(ZUFORA_KNOWN_VALUES_FILE, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(KnownValues, EveryCheckPassesAndTheProgramCarriesTheSameFile) {
  const std::string text = KnownValuesFile();
  EXPECT_EQ(text, kKnownValuesText);
  UncheckedDrawer drawer;
  const std::vector<CheckResult> results = RunKnownValues(text, drawer);
  EXPECT_GE(results.size(), 15u);
  for (const CheckResult& result : results) {
    EXPECT_TRUE(result.passed) << result.name << "\n expected " << result.expected << "\n actual   "
                               << result.actual;
  }
}

TEST(KnownValues, AWrongExpectationOrALineThatCannotRunFails) {
  std::string text =
      "list a arms=1,1,1 patients=12 blocks=fixed:6 seed=12345 expect=3,1,3,2,2,1|2,1,3,3,2,2|\n"
      "generator b seed=1 expect=0.4159993529\n"
      "list c arms=1,1 patients=4 seed=1 expect=1\n"
      "# a comment\r\n"
      "\n"
      "dice d expect=6\n";
  UncheckedDrawer drawer;
  const std::vector<CheckResult> results = RunKnownValues(text, drawer);
  ASSERT_EQ(results.size(), 4u);
  EXPECT_FALSE(results[0].passed);
  EXPECT_EQ(results[0].name, "list a");
  EXPECT_EQ(results[0].actual, "3,1,3,2,2,1|2,1,3,3,2,1|");
  EXPECT_TRUE(results[1].passed);
  EXPECT_FALSE(results[2].passed);
  EXPECT_NE(results[2].actual.find("blocks="), std::string::npos);
  EXPECT_FALSE(results[3].passed);
  EXPECT_EQ(results[3].actual.rfind("cannot run: ", 0), 0u);
}

TEST(KnownValues, TheDesignsOfTheLinesAsTheDrawerGetsThem) {
  UncheckedDrawer drawer;
  RunKnownValues(
      "list a arms=2,1 patients=6 blocks=variable:3:9 seed=-5 misfits=accept expect=\n"
      "list b arms=1,1 patients=4 blocks=fixed:2 seed=1 centres=3*5 expect=\n"
      "list c arms=1 patients=4 blocks=fixed:2 seed=1 centres=1,0 expect=\n",
      drawer);
  ASSERT_EQ(drawer.designs.size(), 3u);
  EXPECT_EQ(drawer.accepted, (std::vector<bool>{true, false, false}));
  const StudyDesign& a = drawer.designs[0];
  EXPECT_EQ(a.arm_count, "2");
  EXPECT_EQ(a.arms.Cell(kArmRatioColumn, 1), "2");
  EXPECT_EQ(a.arms.Cell(kArmDescriptionColumn, 2), "Arm 2");
  EXPECT_EQ(a.block_mode, BlockSizeMode::Variable);
  EXPECT_EQ(a.min_block_size, "3");
  EXPECT_EQ(a.max_block_size, "9");
  EXPECT_EQ(a.seed, "-5");
  EXPECT_FALSE(a.per_centre_lists);
  const StudyDesign& b = drawer.designs[1];
  EXPECT_TRUE(b.per_centre_lists);
  EXPECT_EQ(b.centre_count, "3");
  EXPECT_EQ(b.checked.centre_count, 3);
  for (std::int32_t c = 1; c <= 3; ++c) {
    EXPECT_EQ(b.centres.Cell(kCentreNumberColumn, c), std::to_string(c));
    EXPECT_EQ(b.centres.Cell(kCentreSampleSizeColumn, c), "5");
  }
  const StudyDesign& c = drawer.designs[2];
  EXPECT_EQ(c.centre_count, "2");
  EXPECT_EQ(c.centres.Cell(kCentreSampleSizeColumn, 2), "0");
}

}  // namespace
}  // namespace zufora
