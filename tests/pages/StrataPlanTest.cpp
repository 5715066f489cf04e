// What the checks of "Generieren" plan for a stratified design: the strata in their
// order, their lengths, and the refusals of what cannot be drawn.
#include <gtest/gtest.h>

#include "design/Limits.h"
#include "pages/Generation.h"
#include "pages/GenerationCheck.h"
#include "random/ListText.h"
#include "support/DesignBuilder.h"
#include "support/RecordingMessageSink.h"

namespace zufora {
namespace {

using testing::Factor;
using testing::MakeDesign;
using testing::RecordingMessageSink;
using Event = RecordingMessageSink::Event;
using Kind = RecordingMessageSink::Kind;

class StrataPlan : public ::testing::Test {
 protected:
  std::string Msg(Message message) const { return catalogue_.Text(message); }
  CheckedGeneration Check(const StudyDesign& design) {
    sink_.Clear();
    return CheckGeneration(design, catalogue_, sink_);
  }
  // The design was refused with this one message and the strata page to the front.
  void ExpectRefused(const StudyDesign& design, const std::string& message) {
    const CheckedGeneration checked = Check(design);
    EXPECT_FALSE(checked.plan);
    EXPECT_EQ(sink_.Events(), (std::vector<Event>{{Kind::Plain, message}}));
    EXPECT_EQ(checked.page_switches, (std::vector<Page>{Page::Strata}));
  }

  MessageCatalogue catalogue_;
  RecordingMessageSink sink_;
};

TEST_F(StrataPlan, CentreFirstThenTheFactorsTheLastChangingFastest) {
  StudyDesign design = MakeDesign({"1", "1"}, "20", "77");
  testing::SetFixed(design, "2");
  testing::SetCentres(design, {{"101", "Nord", "8"}, {"102", "Süd", "12"}});
  testing::SetStrata(design, {Factor("Geschlecht", "sex", {"w", "m"}),
                              Factor("Stadium", "stage", {"I", "II", "III"})});
  const CheckedGeneration checked = Check(design);
  EXPECT_TRUE(sink_.Events().empty());
  ASSERT_TRUE(checked.plan);
  EXPECT_EQ(checked.plan->seeds, ListSeeds::kDrawnPerList);
  ASSERT_EQ(checked.plan->lists.size(), 12u);
  std::size_t i = 0;
  for (std::int32_t centre = 1; centre <= 2; ++centre) {
    for (std::int32_t sex = 0; sex < 2; ++sex) {
      for (std::int32_t stage = 0; stage < 3; ++stage, ++i) {
        const PlannedList& list = checked.plan->lists[i];
        EXPECT_EQ(list.centre, centre);
        EXPECT_EQ(list.stratum, static_cast<std::int32_t>(i + 1));
        EXPECT_EQ(list.levels, (std::vector<std::int32_t>{sex, stage}));
        EXPECT_EQ(list.patients, centre == 1 ? 8 : 12);  // no stratum can run out
      }
    }
  }
}

TEST_F(StrataPlan, WithoutCentresEachStratumHasTheStudysSizeAndASeedOfItsOwn) {
  StudyDesign design = MakeDesign({"1", "1"}, "20", "77");
  testing::SetFixed(design, "4");
  testing::SetStrata(design, {Factor("Alter", "age", {"< 65", ">= 65"})});
  const CheckedGeneration checked = Check(design);
  ASSERT_TRUE(checked.plan);
  EXPECT_EQ(checked.plan->seeds, ListSeeds::kDrawnPerList);
  ASSERT_EQ(checked.plan->lists.size(), 2u);
  EXPECT_FALSE(checked.plan->lists[1].centre);
  EXPECT_EQ(checked.plan->lists[1].stratum, 2);
  EXPECT_EQ(checked.plan->lists[1].patients, 20);

  // Switched off, or on without a factor, the design is drawn as before: one list.
  for (const bool on : {false, true}) {
    StudyDesign plain = design;
    plain.stratified = on;
    if (on) {
      plain.factors.clear();
    }
    const CheckedGeneration single = Check(plain);
    ASSERT_TRUE(single.plan);
    EXPECT_EQ(single.plan->seeds, ListSeeds::kStudySeed);
    ASSERT_EQ(single.plan->lists.size(), 1u);
    EXPECT_EQ(single.plan->lists[0].stratum, 0);
    EXPECT_TRUE(single.plan->lists[0].levels.empty());
  }
}

TEST_F(StrataPlan, OneLengthForAllStrataUpToTheSmallestPlannedSize) {
  StudyDesign design = MakeDesign({"1", "1"}, "20", "77");
  testing::SetFixed(design, "2");
  testing::SetCentres(design, {{"1", "A", "8"}, {"2", "B", "12"}});
  testing::SetStrata(design, {Factor("Geschlecht", "sex", {"w", "m"})}, "6");
  const CheckedGeneration checked = Check(design);
  ASSERT_TRUE(checked.plan);
  for (const PlannedList& list : checked.plan->lists) {
    EXPECT_EQ(list.patients, 6);
  }
  for (const char* length : {"8", "0"}) {
    design.stratum_length = length;
    EXPECT_TRUE(Check(design).plan) << length;
  }
  // Longer than centre A's planned size, or no length at all: refused.
  for (const char* length : {"9", "-1", "sechs", " "}) {
    design.stratum_length = length;
    ExpectRefused(design, Msg(Message::MessageStratumLength));
  }
  // Without centres the study's size is the bound.
  design.per_centre_lists = false;
  design.stratum_length = "21";
  ExpectRefused(design, Msg(Message::MessageStratumLength));
  design.stratum_length = "20";
  EXPECT_TRUE(Check(design).plan);
}

TEST_F(StrataPlan, StrataAndPatientsAreCountedAgainstTheirLimits) {
  // 50 x 50 x 40 = 100,000 strata of two patients: at the limit.
  StudyDesign design = MakeDesign({"1", "1"}, "2", "5");
  testing::SetFixed(design, "2");
  std::vector<StratificationFactor> factors;
  for (const int levels : {50, 50, 40}) {
    factors.push_back(Factor("F", "f" + std::to_string(factors.size()),
                             std::vector<std::string>(static_cast<std::size_t>(levels), "x")));
  }
  testing::SetStrata(design, factors);
  const CheckedGeneration at_limit = Check(design);
  ASSERT_TRUE(at_limit.plan);
  EXPECT_EQ(at_limit.plan->lists.size(), static_cast<std::size_t>(kMaxStrata));
  EXPECT_EQ(at_limit.plan->lists.back().levels, (std::vector<std::int32_t>{49, 49, 39}));

  // Two centres: twice the strata.
  testing::SetCentres(design, {{"1", "A", "2"}, {"2", "B", "2"}});
  ExpectRefused(design, catalogue_.Compose(Message::MessageStrataCount, {"100000"}));

  // 20 strata of 500,002 patients pass the patient limit.
  StudyDesign large = MakeDesign({"1", "1"}, "500002", "5");
  testing::SetVariable(large, "2", "4");
  testing::SetStrata(large, {Factor("Gruppe", "group", std::vector<std::string>(20, "g"))});
  const CheckedGeneration too_many = Check(large);
  EXPECT_FALSE(too_many.plan);
  EXPECT_EQ(sink_.Texts(), (std::vector<std::string>{Msg(Message::MessagePatientCount)}));
}

TEST_F(StrataPlan, FactorsThatCannotBeDrawnBringTheStrataPageToTheFront) {
  StudyDesign design = MakeDesign({"1", "1"}, "20", "77");
  testing::SetFixed(design, "2");
  testing::SetStrata(design, {Factor("Geschlecht", "1sex", {"w", "m"})});
  ExpectRefused(design, catalogue_.Compose(Message::MessageFactorField, {"1sex", "Geschlecht"}));
}

// The misfit questions weigh each stratum's length as they weigh a centre's size: with
// the centres' sizes, the same questions as the design without factors; with one length
// for all strata, once for that length.
TEST_F(StrataPlan, MisfitQuestionsWeighTheStratumLengths) {
  StudyDesign design = MakeDesign({"1", "1"}, "12", "77");
  testing::SetVariable(design, "2", "4");
  testing::SetCentres(design, {{"1", "A", "5"}, {"2", "B", "7"}});
  sink_.SetDefaultAnswer(false);
  ASSERT_TRUE(Check(design).plan);
  const std::vector<Event> centre_questions = sink_.Events();
  ASSERT_EQ(centre_questions.size(), 2u);  // 5 and 7 patients for two arms

  testing::SetStrata(design, {Factor("Geschlecht", "sex", {"w", "m"})});
  ASSERT_TRUE(Check(design).plan);
  EXPECT_EQ(sink_.Events(), centre_questions);

  StudyDesign one_centre = design;
  one_centre.stratified = false;
  testing::SetCentres(one_centre, {{"1", "A", "3"}});
  ASSERT_TRUE(Check(one_centre).plan);
  const std::vector<Event> questions_for_3 = sink_.Events();
  ASSERT_FALSE(questions_for_3.empty());
  design.stratum_length = "3";
  ASSERT_TRUE(Check(design).plan);
  EXPECT_EQ(sink_.Events(), questions_for_3);
}

// The command line writes a list text while it is drawn only below this bound.
TEST_F(StrataPlan, TheTextBoundHoldsForStrata) {
  StudyDesign design = MakeDesign({"1", "2"}, "30", "77");
  testing::SetVariable(design, "3", "9");
  testing::SetCentres(design, {{"101", "Klinik Nord", "9"}, {"102", "Süd-West", "30"}});
  testing::SetStrata(design, {Factor("Geschlecht", "sex", {"weiblich", "männlich"}),
                              Factor("Alter", "age", {"< 40", "40 bis 64", ">= 65"})});
  const ListTextOptions options{.stratum_caption = "Stratum"};
  for (const char* length : {"", "6"}) {
    for (const bool centres : {true, false}) {
      design.stratum_length = length;
      design.per_centre_lists = centres;
      ParkMillerShuffleGenerator generator;
      const GenerationResult result = GenerateLists(design, catalogue_, sink_, generator);
      ASSERT_TRUE(result.outcome.complete);
      const std::uint64_t size = ListTextSize(result.drawn, design, options);
      EXPECT_GE(ListTextBound(design, options), size);
      EXPECT_LT(ListTextBound(design, options), 4 * size);
    }
  }
}

}  // namespace
}  // namespace zufora
