// Lists whose allocations are known: they pin down the order of draws.
#include <gtest/gtest.h>

#include "DesignBuilder.h"
#include "ListTextReading.h"
#include "lang/FixedMessages.h"
#include "lang/MessageCatalogue.h"
#include "random/ListGenerator.h"
#include "random/ListText.h"
#include "support/RecordingMessageSink.h"

namespace zufora {
namespace {

using testing::ArmPattern;
using testing::CentreSpec;
using testing::MakeDesign;
using testing::RecordingMessageSink;

const std::string kSeparator = "------- Block ------";

class KnownLists : public ::testing::Test {
 protected:
  std::string Generate(StudyDesign& design) {
    result_ = GenerateLists(design, catalogue_, sink_, generator_);
    return RenderListText(result_, design, ListTextOptions{});
  }

  MessageCatalogue catalogue_;
  RecordingMessageSink sink_;
  ParkMillerShuffleGenerator generator_;
  GenerationResult result_;
};

TEST_F(KnownLists, WorkedExampleLineByLine) {
  StudyDesign design = MakeDesign({"1", "1", "1"}, "12", "12345");
  testing::SetFixed(design, "6");
  design.study_name = "Beispielstudie";
  design.arms.SetCell(kArmDescriptionColumn, 1, "Placebo");
  design.arms.SetCell(kArmDescriptionColumn, 2, "Dosis A");
  design.arms.SetCell(kArmDescriptionColumn, 3, "Dosis B");

  const std::string text = Generate(design);

  EXPECT_EQ(text,
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
  EXPECT_TRUE(sink_.Events().empty());
  EXPECT_TRUE(result_.complete);
  ASSERT_EQ(result_.lists.size(), 1u);
  EXPECT_EQ(result_.lists[0].block_sizes, (std::vector<std::int32_t>{6, 6}));
}

TEST_F(KnownLists, VariableBlocksWithACutLastBlock) {
  StudyDesign design = MakeDesign({"1", "1"}, "10", "12345");
  testing::SetVariable(design, "2", "6");
  const std::string text = Generate(design);
  EXPECT_EQ(ArmPattern(text, kSeparator), "2,2,2,1,1,1|1,2|1,2|");
  EXPECT_EQ(result_.lists[0].block_sizes, (std::vector<std::int32_t>{6, 2, 2}));
  EXPECT_TRUE(sink_.Events().empty());
}

TEST_F(KnownLists, UnequalRatiosFixedBlocks) {
  StudyDesign design = MakeDesign({"2", "1"}, "6", "1");
  testing::SetFixed(design, "3");
  EXPECT_EQ(ArmPattern(Generate(design), kSeparator), "1,1,2|2,1,1|");
}

TEST_F(KnownLists, MisfitAcceptedWithNoGivesOddPatientToLastArm) {
  StudyDesign design = MakeDesign({"1", "1"}, "7", "99");
  testing::SetVariable(design, "2", "4");
  sink_.ScriptAnswers({false});
  const std::string text = Generate(design);
  EXPECT_EQ(sink_.Texts(), std::vector<std::string>{FixedMessages::ArmsDoNotFitSampleSize()});
  EXPECT_EQ(ArmPattern(text, kSeparator), "2,1,2,1|2,1,2|");
  EXPECT_EQ(result_.lists[0].block_sizes, (std::vector<std::int32_t>{4, 3}));
}

TEST_F(KnownLists, CentreListsWithTheirSeeds) {
  StudyDesign design = MakeDesign({"1", "1"}, "10", "4711");
  testing::SetFixed(design, "2");
  testing::SetCentres(design, {{"1", "Nord", "4"}, {"2", "Süd", "6"}});
  const std::string text = Generate(design);
  EXPECT_EQ(text.substr(0, text.find('\n', text.find('\n') + 1) + 1),
            "Studie\nZentrum 1\tNord - Seed: (773724032)\n");
  EXPECT_EQ(ArmPattern(text, kSeparator),
            "[Zentrum 1\tNord - Seed: (773724032)]2,1|2,1|"
            "[Zentrum 2\tSüd - Seed: (1659940736)]2,1|1,2|2,1|");
  EXPECT_TRUE(result_.complete);
}

TEST_F(KnownLists, CentreWithoutPatientsShowsOnlyItsHeading) {
  StudyDesign design = MakeDesign({"1", "1"}, "10", "4711");
  testing::SetFixed(design, "2");
  testing::SetCentres(design, {{"1", "A", "4"}, {"2", "B", "0"}, {"3", "C", "6"}});
  EXPECT_EQ(ArmPattern(Generate(design), kSeparator),
            "[Zentrum 1\tA - Seed: (773724032)]2,1|2,1|"
            "[Zentrum 2\tB - Seed: (1659940736)]"
            "[Zentrum 3\tC - Seed: (896812352)]1,2|1,2|2,1|");
}

TEST_F(KnownLists, CentreListEqualsSingleListOfItsSeed) {
  StudyDesign centres = MakeDesign({"1", "1"}, "10", "4711");
  testing::SetFixed(centres, "2");
  testing::SetCentres(centres, {{"1", "A", "4"}, {"2", "B", "6"}});
  Generate(centres);
  const RandomizationList first_centre = result_.lists[0];

  StudyDesign single = MakeDesign({"1", "1"}, "4", "773724032");
  testing::SetFixed(single, "2");
  const std::string text = Generate(single);
  EXPECT_EQ(ArmPattern(text, kSeparator), "2,1|2,1|");
  ASSERT_EQ(result_.lists.size(), 1u);
  EXPECT_EQ(result_.lists[0].block_sizes, first_centre.block_sizes);
  ASSERT_EQ(result_.lists[0].allocations.size(), first_centre.allocations.size());
  for (std::size_t i = 0; i < first_centre.allocations.size(); ++i) {
    EXPECT_EQ(result_.lists[0].allocations[i].arm, first_centre.allocations[i].arm);
  }
}

TEST_F(KnownLists, NegativeSeedGivesTheSameListAndShowsItsAbsoluteValue) {
  StudyDesign positive = MakeDesign({"1", "1", "1"}, "12", "12345");
  testing::SetFixed(positive, "6");
  StudyDesign negative = positive;
  negative.seed = "-12345";
  EXPECT_EQ(Generate(negative), Generate(positive));
}

TEST_F(KnownLists, SmallestSeedKeepsItsSign) {
  StudyDesign design = MakeDesign({"1", "1"}, "4", "-2147483648");
  testing::SetFixed(design, "2");
  const std::string text = Generate(design);
  EXPECT_EQ(testing::SplitLines(text)[1], "Seed: (-2147483648)");
  // The state word -2^31 refills from 1, as the seed 1 does.
  StudyDesign seed_one = design;
  seed_one.seed = "1";
  EXPECT_EQ(ArmPattern(text, kSeparator), ArmPattern(Generate(seed_one), kSeparator));
}

}  // namespace
}  // namespace zufora
