#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "evidence/EnvelopeCards.h"
#include "support/DesignBuilder.h"

namespace zufora {
namespace {

using testing::CentreRow;

std::vector<EnvelopeCard> AllCards(EnvelopeCards& source) {
  std::vector<EnvelopeCard> cards;
  for (EnvelopeCard card; source.Next(card);) {
    cards.push_back(card);
  }
  return cards;
}

std::string Numbered(std::int64_t index) {
  return "N" + std::to_string(index);
}

TEST(EnvelopeCardsTest, OneCardPerAllocationInStudyOrderWithItsStratumAndArm) {
  StudyDesign design = testing::MakeDesign({"1", "1", "1"}, "12", "5");
  testing::SetCentres(design, {{"101", "Klinik Nord", "6"}, {"102", "Klinik Süd", "6"}});
  testing::SetStrata(design, {testing::Factor("Geschlecht", "sex", {"weiblich", "männlich"}),
                              testing::Factor("Alter", "age", {"< 65", ">= 65"})});
  DrawnLists drawn;
  drawn.study_name = "Studie";
  RandomizationList first;
  first.centre = 1;
  first.stratum = 2;
  first.levels = {0, 1};
  first.arms = {3, 1};
  RandomizationList empty;  // a list whose block sizes could not be drawn
  empty.centre = 2;
  empty.stratum = 3;
  empty.levels = {1, 0};
  RandomizationList last;
  last.centre = 2;
  last.stratum = 4;
  last.levels = {1, 1};
  last.arms = {2};
  drawn.lists = {first, empty, last};

  EnvelopeCards source(design, drawn, "Zentrum", "Stratum", Numbered);
  EXPECT_EQ(EnvelopeCards::Count(drawn), 3);
  const std::vector<EnvelopeCard> cards = AllCards(source);
  ASSERT_EQ(cards.size(), 3U);
  EXPECT_EQ(cards[0].number, "N0");
  EXPECT_EQ(cards[1].number, "N1");
  EXPECT_EQ(cards[2].number, "N2");
  EXPECT_EQ(cards[0].centre, "Zentrum 101 Klinik Nord");
  EXPECT_EQ(cards[0].levels, "Geschlecht: weiblich - Alter: >= 65");
  EXPECT_EQ(cards[1].centre, "Zentrum 101 Klinik Nord");
  EXPECT_EQ(cards[2].centre, "Zentrum 102 Klinik Süd");
  EXPECT_EQ(cards[2].levels, "Geschlecht: männlich - Alter: >= 65");
  EXPECT_EQ(cards[0].arm, 3);
  EXPECT_EQ(cards[0].arm_description, "Arm-3");
  EXPECT_EQ(cards[1].arm_description, "Arm-1");
  EXPECT_EQ(cards[2].arm_description, "Arm-2");
  EnvelopeCard after;
  EXPECT_FALSE(source.Next(after));
}

TEST(EnvelopeCardsTest, StrataWithoutCentresAreNamedByNumberAndTheSingleListHasNoHeading) {
  StudyDesign design = testing::MakeDesign({"1", "1"}, "4", "5");
  testing::SetStrata(design, {testing::Factor("Stadium", "stage", {"I", "II"})});
  DrawnLists strata;
  RandomizationList second;
  second.stratum = 2;
  second.levels = {1};
  second.arms = {1};
  strata.lists = {second};
  EnvelopeCards stratified(design, strata, "Zentrum", "Stratum", Numbered);
  const auto stratum_cards = AllCards(stratified);
  ASSERT_EQ(stratum_cards.size(), 1U);
  EXPECT_EQ(stratum_cards[0].centre, "Stratum 2");
  EXPECT_EQ(stratum_cards[0].levels, "Stadium: II");

  DrawnLists single;
  RandomizationList only;
  only.arms = {2, 1, 1, 2};
  single.lists = {only};
  EnvelopeCards plain(design, single, "Zentrum", "Stratum", Numbered);
  const auto cards = AllCards(plain);
  ASSERT_EQ(cards.size(), 4U);
  EXPECT_EQ(cards[3].number, "N3");
  EXPECT_EQ(cards[3].centre, "");
  EXPECT_EQ(cards[3].levels, "");
}

}  // namespace
}  // namespace zufora
