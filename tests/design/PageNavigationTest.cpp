// Back and Next, the page change handler, row editing on the arm page and the block
// size fields.

#include <string>

#include "design/DesignPagesFixture.h"

namespace zufora::testing {
namespace {

using PageNavigation = DesignPagesTest;
using ArmRowEditing = DesignPagesTest;
using BlockSizeFields = DesignPagesTest;

TEST_F(PageNavigation, StartsOnTheDesignPageWithTheCentrePageHidden) {
  EXPECT_EQ(pages_.ActivePage(), Page::TabSheetDesign);
  EXPECT_FALSE(pages_.CentreTabVisible());
  EXPECT_EQ(pages_.BlockSeparator(), "------- Block ------");
  EXPECT_EQ(pages_.CenterCaption(), "Zentrum");
}

TEST_F(PageNavigation, NextWrapsFromInfoToDesign) {
  pages_.MovePage(Page::TabSheetInfo);
  sink_.Clear();
  pages_.BitBtnNextClick();
  EXPECT_EQ(pages_.ActivePage(), Page::TabSheetDesign);
  EXPECT_EQ(Events(), (std::vector<Event>{PageEvent(Page::TabSheetDesign)}));
  EXPECT_EQ(pages_.FocusedControl(), "EditAnz");
}

TEST_F(PageNavigation, BackWrapsFromDesignToInfo) {
  pages_.BitBtnBackClick();
  EXPECT_EQ(pages_.ActivePage(), Page::TabSheetInfo);
  EXPECT_EQ(Events(), (std::vector<Event>{PageEvent(Page::TabSheetInfo)}));
}

TEST_F(PageNavigation, HiddenCentrePageIsSkipped) {
  pages_.BitBtnNextClick();
  ASSERT_EQ(pages_.ActivePage(), Page::TabSheetArme);
  pages_.BitBtnNextClick();
  EXPECT_EQ(pages_.ActivePage(), Page::TabSheetBlock);
  pages_.BitBtnBackClick();
  EXPECT_EQ(pages_.ActivePage(), Page::TabSheetArme);
}

TEST_F(PageNavigation, ShownCentrePageIsVisitedInOrder) {
  pages_.SetCheckBoxZentren(true);
  pages_.SetEditZentren("2");
  pages_.BitBtnNextClick();
  pages_.BitBtnNextClick();
  EXPECT_EQ(pages_.ActivePage(), Page::TabSheetZentren);
  EXPECT_EQ(pages_.EditAZentrum(), "Zentrum 1");
}

TEST_F(PageNavigation, WalkingAllPagesWithNextComesBackToDesign) {
  const Page expected[] = {Page::TabSheetArme,  Page::TabSheetBlock, Page::TabSheetZufall,
                           Page::TabSheetListe, Page::TabSheetInfo,  Page::TabSheetDesign};
  for (Page page : expected) {
    pages_.BitBtnNextClick();
    EXPECT_EQ(pages_.ActivePage(), page);
  }
  EXPECT_EQ(Events().size(), 6u);  // one page switch each, no message
}

TEST_F(PageNavigation, FailedCheckOnTheWayOutKeepsTheDesignPage) {
  pages_.SetEditArme("x");
  pages_.MovePage(Page::TabSheetListe);
  EXPECT_EQ(pages_.ActivePage(), Page::TabSheetDesign);
  // The user can still walk the other pages; they are not checked on leaving.
  pages_.SetEditArme("2");
  pages_.MovePage(Page::TabSheetListe);
  EXPECT_EQ(pages_.ActivePage(), Page::TabSheetListe);
}

TEST_F(PageNavigation, ClickingTheActiveTabRunsNoCheck) {
  pages_.SetEditArme("x");
  pages_.MovePage(Page::TabSheetDesign);
  EXPECT_TRUE(Events().empty());
}

TEST_F(PageNavigation, LeavingForAButtonOutsideRunsTheCheck) {
  pages_.FocusLeavesPageControl();
  EXPECT_EQ(pages_.Design().seed, kProposedSeed);
  EXPECT_EQ(pages_.Design().arms.RowCount(), 4);
}

TEST_F(ArmRowEditing, FieldsFollowTheSelectedRow) {
  pages_.MovePage(Page::TabSheetArme);
  EXPECT_EQ(pages_.EditCArm(), "Arm 1");
  pages_.SetEditCBeschr("Placebo");
  pages_.SetEditCRatio("abc");
  ASSERT_TRUE(pages_.ClickArmRow(3));
  EXPECT_EQ(pages_.FocusedControl(), "EditCBeschr");
  EXPECT_EQ(pages_.EditCArm(), "Arm 3");
  EXPECT_EQ(pages_.EditCBeschr(), "");
  pages_.SetEditCBeschr("Verum");

  const TextGrid& arms = pages_.Design().arms;
  EXPECT_EQ(arms.Cell(kArmDescriptionColumn, 1), "Placebo");
  EXPECT_EQ(arms.Cell(kArmRatioColumn, 1), "abc");  // kept as typed, checked only later
  EXPECT_EQ(arms.Cell(kArmDescriptionColumn, 3), "Verum");
  EXPECT_FALSE(pages_.ClickArmRow(0));
  EXPECT_FALSE(pages_.ClickArmRow(4));

  ASSERT_TRUE(pages_.ClickArmRow(1));
  EXPECT_EQ(pages_.EditCBeschr(), "Placebo");
  EXPECT_EQ(pages_.EditCRatio(), "abc");
}

TEST_F(ArmRowEditing, TableOfHeadingRowOnlyTakesNoInput) {
  pages_.SetEditArme("0");
  pages_.MovePage(Page::TabSheetArme);
  EXPECT_FALSE(pages_.ArmSelection().HeadingFixed());
  EXPECT_EQ(pages_.ArmSelection().Row(), 0);
  EXPECT_EQ(pages_.EditCArm(), "Arm");  // the arriving page shows the heading row
  pages_.SetEditCBeschr("typed");
  EXPECT_EQ(pages_.Design().arms.Cell(kArmDescriptionColumn, 0), "Beschreibung");

  // Grown again, the heading row stays selectable and still takes no input.
  pages_.MovePage(Page::TabSheetDesign);
  pages_.SetEditArme("2");
  pages_.MovePage(Page::TabSheetArme);
  EXPECT_FALSE(pages_.ArmSelection().HeadingFixed());
  ASSERT_TRUE(pages_.ClickArmRow(0));
  EXPECT_EQ(pages_.EditCRatio(), "Ratio");
  pages_.SetEditCRatio("7");
  EXPECT_EQ(pages_.Design().arms.Cell(kArmRatioColumn, 0), "Ratio");
  ASSERT_TRUE(pages_.ClickArmRow(2));
  pages_.SetEditCRatio("7");
  EXPECT_EQ(pages_.Design().arms.Cell(kArmRatioColumn, 2), "7");
}

TEST_F(ArmRowEditing, SelectionBeyondAShrunkTableMovesToItsLastRow) {
  pages_.SetEditArme("5");
  pages_.MovePage(Page::TabSheetArme);
  ASSERT_TRUE(pages_.ClickArmRow(5));
  pages_.MovePage(Page::TabSheetDesign);
  pages_.SetEditArme("2");
  pages_.MovePage(Page::TabSheetArme);
  EXPECT_EQ(pages_.ArmSelection().Row(), 2);
  EXPECT_TRUE(pages_.ArmSelection().HeadingFixed());
  EXPECT_EQ(pages_.EditCArm(), "Arm 2");
}

TEST_F(BlockSizeFields, VariableModeSwapsTheEnabledFieldsAndKeepsTexts) {
  EXPECT_TRUE(pages_.EditFixEnabled());
  EXPECT_FALSE(pages_.EditVonEnabled());
  EXPECT_FALSE(pages_.EditBisEnabled());
  pages_.SetEditVon("4");

  pages_.SelectBlockSizeMode(BlockSizeMode::Variable);
  EXPECT_FALSE(pages_.EditFixEnabled());
  EXPECT_TRUE(pages_.EditVonEnabled());
  EXPECT_TRUE(pages_.EditBisEnabled());
  EXPECT_EQ(pages_.Design().fixed_block_size, "12");
  EXPECT_EQ(pages_.Design().min_block_size, "4");

  pages_.SelectBlockSizeMode(BlockSizeMode::Fixed);
  EXPECT_TRUE(pages_.EditFixEnabled());
  EXPECT_FALSE(pages_.EditVonEnabled());
  EXPECT_EQ(pages_.Design().min_block_size, "4");
}

}  // namespace
}  // namespace zufora::testing
