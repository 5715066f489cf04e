// What the checks hand to the generator, the moment of the messages that only drawing
// finds, the quiet generation of evidence, and the bound of a list text.
#include <gtest/gtest.h>

#include <fstream>

#include "evidence/KnownValues.h"
#include "lang/FixedMessages.h"
#include "pages/Generation.h"
#include "pages/GenerationCheck.h"
#include "pages/QuietGeneration.h"
#include "random/ListCollector.h"
#include "random/ListText.h"
#include "support/DesignBuilder.h"
#include "support/ListTextReading.h"
#include "support/RecordingMessageSink.h"

namespace zufora {
namespace {

using testing::MakeDesign;
using testing::RecordingMessageSink;
using Event = RecordingMessageSink::Event;
using Kind = RecordingMessageSink::Kind;

class GenerationPlan : public ::testing::Test {
 protected:
  std::string Msg(Message message) const { return catalogue_.Text(message); }

  MessageCatalogue catalogue_;
  RecordingMessageSink sink_;
};

TEST_F(GenerationPlan, TheSingleListHasTheSizeOfTheFieldAsTheCheckReadsIt) {
  // Checked with 8 patients, the field changed to 7 since: the questions weigh the 8,
  // the list has the 7, and its last block is cut.
  StudyDesign design = MakeDesign({"1", "1"}, "8", "5");
  testing::SetFixed(design, "2");
  design.sample_size = "7";
  const CheckedGeneration checked = CheckGeneration(design, catalogue_, sink_);
  EXPECT_TRUE(sink_.Events().empty());
  ASSERT_TRUE(checked.plan);
  ASSERT_EQ(checked.plan->lists.size(), 1u);
  EXPECT_FALSE(checked.plan->lists[0].centre);
  EXPECT_EQ(checked.plan->lists[0].patients, 7);
  EXPECT_EQ(checked.plan->seeds, ListSeeds::kStudySeed);
  EXPECT_EQ(checked.checked.sample_size, 7);

  ParkMillerShuffleGenerator generator;
  const GenerationResult result = GenerateLists(design, catalogue_, sink_, generator);
  EXPECT_EQ(result.drawn.lists[0].block_sizes, (std::vector<std::int32_t>{2, 2, 2, 1}));
}

TEST_F(GenerationPlan, CentreListsAreEachCentresSizeWithSeedsOfTheirOwn) {
  StudyDesign design = MakeDesign({"2", "1"}, "12", "-4711");
  testing::SetVariable(design, "3", "9");
  testing::SetCentres(design, {{"1", "A", "6"}, {"2", "B", "0"}, {"3", "C", "6"}});
  sink_.SetDefaultAnswer(false);  // blocks of 3 do not fit half of no patients
  const CheckedGeneration checked = CheckGeneration(design, catalogue_, sink_);
  EXPECT_EQ(sink_.Events(),
            (std::vector<Event>{{Kind::Question, Msg(Message::MessageBlockSizeRatio), false}}));
  ASSERT_TRUE(checked.plan);
  const ListPlan& plan = *checked.plan;
  EXPECT_EQ(plan.seeds, ListSeeds::kDrawnPerList);
  EXPECT_EQ(plan.seed.state_word, -4711);
  EXPECT_EQ(plan.seed.shown, 4711);
  EXPECT_EQ(plan.ratios, (std::vector<std::int64_t>{2, 1}));
  EXPECT_EQ(plan.block_mode, BlockSizeMode::Variable);
  EXPECT_EQ(plan.min_block_size, 3);
  EXPECT_EQ(plan.max_block_size, 9);
  ASSERT_EQ(plan.lists.size(), 3u);
  for (std::int32_t c = 1; c <= 3; ++c) {
    EXPECT_EQ(plan.lists[static_cast<std::size_t>(c - 1)].centre, c);
  }
  EXPECT_EQ(plan.lists[1].patients, 0);
  EXPECT_EQ(plan.lists[2].patients, 6);
  EXPECT_EQ(checked.checked.centre_count, 3);
}

TEST_F(GenerationPlan, NegativeSeedGivesTheSameListAndShowsItsAbsoluteValue) {
  StudyDesign positive = MakeDesign({"1", "1", "1"}, "12", "12345");
  testing::SetFixed(positive, "6");
  StudyDesign negative = positive;
  negative.seed = "-12345";
  ParkMillerShuffleGenerator generator;
  const std::string text =
      RenderListText(GenerateLists(negative, catalogue_, sink_, generator).drawn, negative, {});
  EXPECT_EQ(testing::SplitLines(text)[1], "Seed: (12345)");
  EXPECT_EQ(text, RenderListText(GenerateLists(positive, catalogue_, sink_, generator).drawn,
                                 positive, {}));
}

TEST_F(GenerationPlan, DrawingMessagesComeAfterTheQuestionsAndBeforeThePageSwitches) {
  // More arms than patients warns (and brings the design page to the front) for the
  // study and again for the centre; the centre's 8 patients cannot be cut into blocks.
  StudyDesign design = MakeDesign({"1", "1"}, "1", "3");
  testing::SetVariable(design, "4", "5");
  testing::SetCentres(design, {{"1", "A", "8"}});
  sink_.SetDefaultAnswer(false);
  ParkMillerShuffleGenerator generator;
  const GenerationResult result = GenerateLists(design, catalogue_, sink_, generator);
  for (const Page page : result.outcome.page_switches) {
    sink_.ActivatePage(page);
  }
  EXPECT_EQ(sink_.Events(),
            (std::vector<Event>{{Kind::Plain, Msg(Message::MessageArmPatientCount)},
                                {Kind::Question, FixedMessages::ArmsDoNotFitSampleSize(), false},
                                {Kind::Question, FixedMessages::MinimumDoesNotFitArms(), false},
                                {Kind::Plain, Msg(Message::MessageArmPatientCount)},
                                {Kind::Plain, Msg(Message::MessageBlockRestictions)},
                                {Kind::Page, "TabSheetDesign"},
                                {Kind::Page, "TabSheetDesign"}}));
  EXPECT_FALSE(result.outcome.complete);
  ASSERT_EQ(result.drawn.lists.size(), 1u);
  EXPECT_TRUE(result.drawn.lists[0].block_sizes.empty());
}

TEST_F(GenerationPlan, QuietGenerationAnswersAsAskedAndShowsNothing) {
  // 7 patients in blocks of 2 to 4 for 2 arms: two misfit questions.
  StudyDesign design = MakeDesign({"1", "1"}, "7", "99");
  testing::SetVariable(design, "2", "4");
  QuietGeneration drawer(catalogue_);
  for (const bool accept : {true, false}) {
    DrawnLists lists;
    ListCollector collector(lists);
    drawer.Draw(design, accept, collector);
    EXPECT_EQ(lists.study_name, "Studie");
    if (accept) {
      ASSERT_EQ(lists.lists.size(), 1u);
      EXPECT_EQ(lists.lists[0].arms, (std::vector<std::int32_t>{2, 1, 2, 1, 2, 1, 2}));
    } else {
      EXPECT_TRUE(lists.lists.empty()) << "abandoned at the first question";
    }
  }
}

TEST_F(GenerationPlan, TheKnownValuesPassThroughTheChecks) {
  std::ifstream in(ZUFORA_KNOWN_VALUES_FILE, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  QuietGeneration drawer(catalogue_);
  const std::vector<CheckResult> results = RunKnownValues(text, drawer);
  EXPECT_GE(results.size(), 15u);
  for (const CheckResult& result : results) {
    EXPECT_TRUE(result.passed) << result.name << "\n expected " << result.expected << "\n actual   "
                               << result.actual;
  }
}

TEST_F(GenerationPlan, TheListTextBoundIsNeverBelowTheText) {
  const ListTextOptions long_words{.block_separator = std::string(300, '-'),
                                   .center_caption = std::string(200, 'Z')};
  StudyDesign single = MakeDesign({"1", "2", "1"}, "400", "2147483647");
  testing::SetFixed(single, "4");
  single.arms.SetCell(kArmDescriptionColumn, 2, std::string(500, 'x'));
  StudyDesign centres = MakeDesign({"1", "1"}, "2000", "1");
  testing::SetFixed(centres, "2");
  testing::SetCentres(
      centres,
      {{std::string(90, '9'), std::string(900, 'd'), "1000"}, {"", "", "0"}, {"3", "C", "1000"}});
  for (const StudyDesign* design : {&single, &centres}) {
    for (const ListTextOptions& options : {ListTextOptions{}, long_words}) {
      ParkMillerShuffleGenerator generator;
      const GenerationResult result = GenerateLists(*design, catalogue_, sink_, generator);
      ASSERT_TRUE(result.outcome.complete);
      EXPECT_GE(ListTextBound(*design, options), ListTextSize(result.drawn, *design, options));
      EXPECT_LT(ListTextBound(*design, options), UINT64_MAX);
    }
  }
  StudyDesign unreadable = single;
  unreadable.sample_size = "viele";
  EXPECT_EQ(ListTextBound(unreadable, {}), UINT64_MAX);
  unreadable = centres;
  unreadable.centres.SetCell(kCentreSampleSizeColumn, 2, "-1");
  EXPECT_EQ(ListTextBound(unreadable, {}), UINT64_MAX);
}

}  // namespace
}  // namespace zufora
