// The strata page of the design pages: its switch and tab, the factor and level tables
// with their fields and buttons, and its check when it is left.
#include <gtest/gtest.h>

#include "DesignPagesFixture.h"
#include "design/Limits.h"
#include "pages/StrataCheck.h"
#include "support/DesignBuilder.h"

namespace zufora {
namespace {

class StrataPage : public testing::DesignPagesTest {
 protected:
  // Stratification on and the strata page in front.
  void OpenStrataPage() {
    pages_.SetStratified(true);
    ASSERT_TRUE(pages_.MovePage(Page::Strata));
    sink_.Clear();
  }
  const StrataEditor& Editor() const { return pages_.State().strata; }
  const std::vector<StratificationFactor>& Factors() const { return pages_.Design().factors; }
};

TEST_F(StrataPage, TheSwitchShowsThePageAfterTheCentres) {
  EXPECT_FALSE(pages_.State().strata_tab_visible);
  pages_.SetStratified(true);
  EXPECT_TRUE(pages_.State().strata_tab_visible);
  EXPECT_TRUE(pages_.State().strata_page_enabled);
  pages_.SetPerCentreLists(true);
  pages_.SetCentreCount("1");
  for (const Page page : {Page::Arms, Page::Centres, Page::Strata, Page::Blocks}) {
    pages_.GoNext();
    EXPECT_EQ(pages_.State().active_page, page);
  }
  pages_.SetStratified(false);
  pages_.GoBack();
  pages_.GoBack();
  EXPECT_EQ(pages_.State().active_page, Page::Arms);  // the strata page is passed by
  EXPECT_FALSE(pages_.State().strata_tab_visible);

  // Its tab, reached all the same, sends the user back with the reason.
  sink_.Clear();
  pages_.MovePage(Page::Strata);
  EXPECT_EQ(pages_.State().active_page, Page::Design);
  EXPECT_EQ(Events().front(), Plain(Msg(Message::MessageCheckStrata)));
}

TEST_F(StrataPage, NewFactorsAndLevelsAreNamedAndCodedToPassTheCheck) {
  OpenStrataPage();
  EXPECT_EQ(Editor().FactorRow(), 0);  // nothing to select yet
  EXPECT_EQ(Editor().FactorGrid().RowCount(), 1);
  EXPECT_EQ(Editor().FactorGrid().Cell(kFactorNameColumn, 0), "Name");

  pages_.EditFactors(RowEdit::Add);
  pages_.TypeFactorField(kFactorFieldColumn, "FAKTOR2");  // taken, as the next would be
  pages_.EditFactors(RowEdit::Add);
  ASSERT_EQ(Factors().size(), 2u);
  EXPECT_EQ(Factors()[1].name, "Faktor 2");
  EXPECT_EQ(Factors()[1].field, "faktor3");
  EXPECT_EQ(Factors()[1].levels, (std::vector<FactorLevel>{{"1", "Stufe 1"}, {"2", "Stufe 2"}}));
  EXPECT_EQ(Editor().FactorRow(), 2);
  EXPECT_EQ(Editor().FactorField(kFactorLabelColumn), "Faktor 2");
  EXPECT_EQ(pages_.State().focus, Control::FactorNameField);

  pages_.TypeLevelField(kLevelCodeColumn, "7");
  pages_.EditLevels(RowEdit::Add);
  EXPECT_EQ(Factors()[1].levels.back(), (FactorLevel{"8", "Stufe 3"}));
  EXPECT_EQ(Editor().LevelRow(), 3);
  EXPECT_FALSE(FindFactorProblem(Factors()));
  EXPECT_TRUE(Events().empty());
}

TEST_F(StrataPage, TypingChangesTheSelectedRowOnly) {
  OpenStrataPage();
  pages_.EditFactors(RowEdit::Add);
  pages_.EditFactors(RowEdit::Add);
  ASSERT_TRUE(pages_.ClickFactorRow(1));
  pages_.TypeFactorField(kFactorNameColumn, "Geschlecht");
  pages_.TypeFactorField(kFactorFieldColumn, "sex");
  ASSERT_TRUE(pages_.ClickLevelRow(2));
  EXPECT_EQ(pages_.State().focus, Control::LevelCodeField);
  pages_.TypeLevelField(kLevelTextColumn, "männlich");
  pages_.TypeLevelField(kLevelLabelColumn, "nicht");  // the label column is not typed
  EXPECT_EQ(Factors()[0].name, "Geschlecht");
  EXPECT_EQ(Factors()[0].field, "sex");
  EXPECT_EQ(Factors()[0].levels[1].label, "männlich");
  EXPECT_EQ(Factors()[1].name, "Faktor 2");
  EXPECT_EQ(Editor().FactorGrid().Cell(kFactorFieldColumn, 1), "sex");
  EXPECT_EQ(Editor().LevelGrid().Cell(kLevelTextColumn, 2), "männlich");
  EXPECT_EQ(Editor().LevelField(kLevelTextColumn), "männlich");
  EXPECT_EQ(Editor().LevelField(kLevelLabelColumn), "Stufe 2");

  // Choosing the other factor shows its levels, the first selected.
  ASSERT_TRUE(pages_.ClickFactorRow(2));
  EXPECT_EQ(Editor().LevelRow(), 1);
  EXPECT_EQ(Editor().LevelGrid().Cell(kLevelTextColumn, 2), "Stufe 2");
  EXPECT_FALSE(pages_.ClickFactorRow(0));
  EXPECT_FALSE(pages_.ClickFactorRow(3));
  EXPECT_FALSE(pages_.ClickLevelRow(3));
}

TEST_F(StrataPage, RowsMoveWithTheirSelectionAndAreRemoved) {
  OpenStrataPage();
  for (int f = 0; f < 3; ++f) {
    pages_.EditFactors(RowEdit::Add);
  }
  ASSERT_TRUE(pages_.ClickFactorRow(1));
  pages_.EditFactors(RowEdit::Down);
  pages_.EditFactors(RowEdit::Down);
  pages_.EditFactors(RowEdit::Down);  // at the bottom: nothing happens
  EXPECT_EQ(Editor().FactorRow(), 3);
  EXPECT_EQ(Factors()[2].name, "Faktor 1");
  EXPECT_EQ(Factors()[0].name, "Faktor 2");
  EXPECT_EQ(Editor().FactorGrid().Cell(kFactorNameColumn, 3), "Faktor 1");
  pages_.EditFactors(RowEdit::Up);
  EXPECT_EQ(Factors()[1].name, "Faktor 1");

  ASSERT_TRUE(pages_.ClickLevelRow(2));
  pages_.EditLevels(RowEdit::Up);
  EXPECT_EQ(Factors()[1].levels[0].code, "2");
  EXPECT_EQ(Editor().LevelRow(), 1);
  pages_.EditLevels(RowEdit::Remove);
  EXPECT_EQ(Factors()[1].levels, (std::vector<FactorLevel>{{"1", "Stufe 1"}}));
  pages_.EditLevels(RowEdit::Remove);
  EXPECT_TRUE(Factors()[1].levels.empty());
  EXPECT_EQ(Editor().LevelRow(), 0);
  EXPECT_EQ(Editor().LevelField(kLevelCodeColumn), "");
  pages_.EditLevels(RowEdit::Remove);  // nothing left: nothing happens

  pages_.EditFactors(RowEdit::Remove);
  EXPECT_EQ(Factors().size(), 2u);
  EXPECT_EQ(Editor().FactorRow(), 2);  // the row that took its place
  pages_.EditFactors(RowEdit::Remove);
  pages_.EditFactors(RowEdit::Remove);
  EXPECT_TRUE(Factors().empty());
  EXPECT_EQ(Editor().FactorRow(), 0);
  EXPECT_EQ(Editor().LevelGrid().RowCount(), 1);
  EXPECT_TRUE(Events().empty());
}

TEST_F(StrataPage, AddingBeyondTheLimitsIsRefused) {
  OpenStrataPage();
  for (int f = 0; f < kMaxFactors; ++f) {
    pages_.EditFactors(RowEdit::Add);
  }
  EXPECT_TRUE(Events().empty());
  pages_.EditFactors(RowEdit::Add);
  EXPECT_EQ(Factors().size(), static_cast<std::size_t>(kMaxFactors));
  EXPECT_EQ(Events(), (std::vector<Event>{Plain(texts_.catalogue.Compose(
                          Message::MessageFactorCount, {std::to_string(kMaxFactors)}))}));
  sink_.Clear();
  while (Factors().back().levels.size() < static_cast<std::size_t>(kMaxLevels)) {
    pages_.EditLevels(RowEdit::Add);
  }
  EXPECT_TRUE(Events().empty());
  pages_.EditLevels(RowEdit::Add);
  EXPECT_EQ(Factors().back().levels.size(), static_cast<std::size_t>(kMaxLevels));
  EXPECT_EQ(Events(), (std::vector<Event>{Plain(texts_.catalogue.Compose(
                          Message::MessageLevelCount, {std::to_string(kMaxLevels)}))}));
  EXPECT_FALSE(FindFactorProblem(Factors()));
}

// Leaving the page with factors that cannot be drawn brings it back, as the design page
// check does; the next move passes, and "Generieren" refuses them again.
TEST_F(StrataPage, LeavingWithAFaultyFactorBringsThePageBack) {
  OpenStrataPage();
  pages_.EditFactors(RowEdit::Add);
  pages_.TypeFactorField(kFactorFieldColumn, "2. Faktor");
  pages_.FocusControl(Control::FactorFieldField);
  EXPECT_FALSE(pages_.MovePage(Page::List));
  EXPECT_EQ(pages_.State().active_page, Page::Strata);
  const std::string message =
      texts_.catalogue.Compose(Message::MessageFactorField, {"2. Faktor", "Faktor 1"});
  EXPECT_EQ(Events(), (std::vector<Event>{Plain(message), PageEvent(Page::Strata)}));

  sink_.Clear();
  EXPECT_TRUE(pages_.MovePage(Page::List));
  EXPECT_FALSE(pages_.Generate());
  EXPECT_EQ(pages_.State().active_page, Page::Strata);
  EXPECT_EQ(Events(), (std::vector<Event>{Plain(message), PageEvent(Page::Strata)}));

  // A length that is no number is refused on leaving too; a good one passes.
  pages_.TypeFactorField(kFactorFieldColumn, "faktor1");
  pages_.SetStratumLength("zehn");
  pages_.FocusControl(Control::StratumLengthField);
  sink_.Clear();
  EXPECT_FALSE(pages_.MovePage(Page::Blocks));
  EXPECT_EQ(Events().front(), Plain(Msg(Message::MessageStratumLength)));
  pages_.SetStratumLength("");
  pages_.FocusControl(Control::StratumLengthField);
  EXPECT_TRUE(pages_.MovePage(Page::Blocks));
}

TEST(FactorProblems, EachFaultIsNamedWithItsFactor) {
  using testing::Factor;
  const StratificationFactor good = Factor("Alter", "age_group", {"< 65", ">= 65"});
  EXPECT_FALSE(FindFactorProblem({good, Factor("Geschlecht", "Sex1", {"w", "m"})}));

  struct Case {
    std::vector<StratificationFactor> factors;
    Message message;
    std::vector<std::string> values;
  };
  StratificationFactor twice_coded = good;
  twice_coded.levels[1].code = "1";
  StratificationFactor no_label = good;
  no_label.levels[1].label.clear();
  const std::vector<Case> cases = {
      {{good, Factor("", "x", {"a"})}, Message::MessageFactorName, {"2"}},
      {{Factor("A", "", {"a"})}, Message::MessageFactorField, {"", "A"}},
      {{Factor("A", "_a", {"a"})}, Message::MessageFactorField, {"_a", "A"}},
      {{Factor("A", "a-b", {"a"})}, Message::MessageFactorField, {"a-b", "A"}},
      {{Factor("A", "\xE4rzte", {"a"})}, Message::MessageFactorField, {"\xE4rzte", "A"}},
      {{good, Factor("B", "AGE_GROUP", {"a"})}, Message::MessageFactorFieldTwice, {"AGE_GROUP"}},
      {{Factor("A", "a", {})}, Message::MessageFactorLevels, {"A"}},
      {{no_label}, Message::MessageLevelText, {"2", "Alter"}},
      {{twice_coded}, Message::MessageLevelCodeTwice, {"1", "Alter"}},
      {std::vector<StratificationFactor>(9, good), Message::MessageFactorCount, {"8"}},
      {{Factor("A", "a", std::vector<std::string>(65, "x"))}, Message::MessageLevelCount, {"64"}},
  };
  for (const Case& c : cases) {
    const std::optional<StrataProblem> problem = FindFactorProblem(c.factors);
    ASSERT_TRUE(problem) << MessageName(c.message);
    EXPECT_EQ(problem->message, c.message);
    EXPECT_EQ(problem->values, c.values);
  }
}

}  // namespace
}  // namespace zufora
