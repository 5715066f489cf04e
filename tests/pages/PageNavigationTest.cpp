// Back and Next, the page change handler, row editing on the arm page and the block
// size fields.

#include <string>

#include "pages/DesignPagesFixture.h"

namespace zufora::testing {
namespace {

using PageNavigation = DesignPagesTest;
using ArmRowEditing = DesignPagesTest;
using BlockSizeFields = DesignPagesTest;

TEST_F(PageNavigation, StartsOnTheDesignPageWithTheCentrePageHidden) {
  EXPECT_EQ(pages_.State().active_page, Page::TabSheetDesign);
  EXPECT_FALSE(pages_.State().centre_tab_visible);
  EXPECT_EQ(pages_.BlockSeparator(), "------- Block ------");
  EXPECT_EQ(pages_.CenterCaption(), "Zentrum");
}

TEST_F(PageNavigation, NextWrapsFromInfoToDesign) {
  pages_.MovePage(Page::TabSheetInfo);
  sink_.Clear();
  pages_.BitBtnNextClick();
  EXPECT_EQ(pages_.State().active_page, Page::TabSheetDesign);
  EXPECT_EQ(Events(), (std::vector<Event>{PageEvent(Page::TabSheetDesign)}));
  EXPECT_EQ(pages_.State().focus, Control::EditAnz);
}

TEST_F(PageNavigation, BackWrapsFromDesignToInfo) {
  pages_.BitBtnBackClick();
  EXPECT_EQ(pages_.State().active_page, Page::TabSheetInfo);
  EXPECT_EQ(Events(), (std::vector<Event>{PageEvent(Page::TabSheetInfo)}));
}

TEST_F(PageNavigation, HiddenCentrePageIsSkipped) {
  pages_.BitBtnNextClick();
  ASSERT_EQ(pages_.State().active_page, Page::TabSheetArme);
  pages_.BitBtnNextClick();
  EXPECT_EQ(pages_.State().active_page, Page::TabSheetBlock);
  pages_.BitBtnBackClick();
  EXPECT_EQ(pages_.State().active_page, Page::TabSheetArme);
}

TEST_F(PageNavigation, ShownCentrePageIsVisitedInOrder) {
  pages_.SetCheckBoxZentren(true);
  pages_.SetEditZentren("2");
  pages_.BitBtnNextClick();
  pages_.BitBtnNextClick();
  EXPECT_EQ(pages_.State().active_page, Page::TabSheetZentren);
  EXPECT_EQ(pages_.State().centre_rows.Field(kCentreLabelColumn), "Zentrum 1");
}

TEST_F(PageNavigation, WalkingAllPagesWithNextComesBackToDesign) {
  const Page expected[] = {Page::TabSheetArme,  Page::TabSheetBlock, Page::TabSheetZufall,
                           Page::TabSheetListe, Page::TabSheetInfo,  Page::TabSheetDesign};
  for (Page page : expected) {
    pages_.BitBtnNextClick();
    EXPECT_EQ(pages_.State().active_page, page);
  }
  EXPECT_EQ(Events().size(), 6u);  // one page switch each, no message
}

TEST_F(PageNavigation, FailedCheckOnTheWayOutKeepsTheDesignPage) {
  pages_.SetEditArme("x");
  pages_.MovePage(Page::TabSheetListe);
  EXPECT_EQ(pages_.State().active_page, Page::TabSheetDesign);
  // The user can still walk the other pages; they are not checked on leaving.
  pages_.SetEditArme("2");
  pages_.MovePage(Page::TabSheetListe);
  EXPECT_EQ(pages_.State().active_page, Page::TabSheetListe);
}

TEST_F(PageNavigation, ClickingTheActiveTabRunsNoCheck) {
  pages_.SetEditArme("x");
  pages_.MovePage(Page::TabSheetDesign);
  EXPECT_TRUE(Events().empty());
}

// The exit handler of the page left runs only when the focus was inside that page: after
// a check has run because the focus left the page, a move runs no second check.
TEST_F(PageNavigation, CheckRunsOnlyWhenTheFocusLeavesThePage) {
  pages_.SetEditArme("5");
  pages_.SetEditAnz("3");
  pages_.FocusControl(Control::BitBtnSave);
  EXPECT_EQ(Events(), (std::vector<Event>{Plain(Msg(Message::MessageArmPatientCount)),
                                          PageEvent(Page::TabSheetDesign)}));
  sink_.Clear();
  EXPECT_TRUE(pages_.MovePage(Page::TabSheetListe));
  EXPECT_TRUE(Events().empty());

  // The same warning met by a tab press gives that move up; the focus is then on the
  // tabs, so the next press reaches the list page, and "Generieren" can run.
  pages_.MovePage(Page::TabSheetDesign);
  pages_.SetEditArme("1");
  pages_.SetEditAnz("0");
  EXPECT_FALSE(pages_.MovePage(Page::TabSheetListe));
  EXPECT_EQ(pages_.State().last_design_check, DesignCheck::Warned);
  EXPECT_TRUE(pages_.MovePage(Page::TabSheetListe));
  EXPECT_TRUE(pages_.BitBtnStartClick());
  EXPECT_NE(pages_.RichEditList(), "");
}

TEST_F(PageNavigation, LeavingForAButtonOutsideRunsTheCheck) {
  pages_.FocusControl(Control::BitBtnSave);
  EXPECT_EQ(pages_.Design().seed, kProposedSeed);
  EXPECT_EQ(pages_.Design().arms.RowCount(), 4);
}

TEST_F(ArmRowEditing, FieldsFollowTheSelectedRow) {
  pages_.MovePage(Page::TabSheetArme);
  EXPECT_EQ(pages_.State().arm_rows.Field(kArmLabelColumn), "Arm 1");
  pages_.TypeArmField(kArmDescriptionColumn, "Placebo");
  pages_.TypeArmField(kArmRatioColumn, "abc");
  ASSERT_TRUE(pages_.ClickArmRow(3));
  EXPECT_EQ(pages_.State().focus, Control::EditCBeschr);
  EXPECT_EQ(pages_.State().arm_rows.Field(kArmLabelColumn), "Arm 3");
  EXPECT_EQ(pages_.State().arm_rows.Field(kArmDescriptionColumn), "");
  pages_.TypeArmField(kArmDescriptionColumn, "Verum");

  const TextGrid& arms = pages_.Design().arms;
  EXPECT_EQ(arms.Cell(kArmDescriptionColumn, 1), "Placebo");
  EXPECT_EQ(arms.Cell(kArmRatioColumn, 1), "abc");  // kept as typed, checked only later
  EXPECT_EQ(arms.Cell(kArmDescriptionColumn, 3), "Verum");
  EXPECT_FALSE(pages_.ClickArmRow(0));
  EXPECT_FALSE(pages_.ClickArmRow(4));

  ASSERT_TRUE(pages_.ClickArmRow(1));
  EXPECT_EQ(pages_.State().arm_rows.Field(kArmDescriptionColumn), "Placebo");
  EXPECT_EQ(pages_.State().arm_rows.Field(kArmRatioColumn), "abc");
}

TEST_F(ArmRowEditing, TableOfHeadingRowOnlyTakesNoInput) {
  pages_.SetEditArme("0");
  pages_.MovePage(Page::TabSheetArme);
  EXPECT_FALSE(pages_.State().arm_rows.HeadingFixed());
  EXPECT_EQ(pages_.State().arm_rows.Row(), 0);
  EXPECT_EQ(pages_.State().arm_rows.Field(kArmLabelColumn),
            "Arm");  // the arriving page shows the heading row
  pages_.TypeArmField(kArmDescriptionColumn, "typed");
  EXPECT_EQ(pages_.Design().arms.Cell(kArmDescriptionColumn, 0), "Beschreibung");

  // Grown again, the heading row stays selectable and still takes no input.
  pages_.MovePage(Page::TabSheetDesign);
  pages_.SetEditArme("2");
  pages_.MovePage(Page::TabSheetArme);
  EXPECT_FALSE(pages_.State().arm_rows.HeadingFixed());
  ASSERT_TRUE(pages_.ClickArmRow(0));
  EXPECT_EQ(pages_.State().arm_rows.Field(kArmRatioColumn), "Ratio");
  pages_.TypeArmField(kArmRatioColumn, "7");
  EXPECT_EQ(pages_.Design().arms.Cell(kArmRatioColumn, 0), "Ratio");
  ASSERT_TRUE(pages_.ClickArmRow(2));
  pages_.TypeArmField(kArmRatioColumn, "7");
  EXPECT_EQ(pages_.Design().arms.Cell(kArmRatioColumn, 2), "7");
}

TEST_F(ArmRowEditing, SelectionBeyondAShrunkTableMovesToItsLastRow) {
  pages_.SetEditArme("5");
  pages_.MovePage(Page::TabSheetArme);
  ASSERT_TRUE(pages_.ClickArmRow(5));
  pages_.MovePage(Page::TabSheetDesign);
  pages_.SetEditArme("2");
  pages_.MovePage(Page::TabSheetArme);
  EXPECT_EQ(pages_.State().arm_rows.Row(), 2);
  EXPECT_TRUE(pages_.State().arm_rows.HeadingFixed());
  EXPECT_EQ(pages_.State().arm_rows.Field(kArmLabelColumn), "Arm 2");
}

TEST_F(BlockSizeFields, VariableModeSwapsTheEnabledFieldsAndKeepsTexts) {
  EXPECT_TRUE(pages_.State().edit_fix_enabled);
  EXPECT_FALSE(pages_.State().edit_von_enabled);
  EXPECT_FALSE(pages_.State().edit_bis_enabled);
  pages_.SetEditVon("4");

  pages_.SelectBlockSizeMode(BlockSizeMode::Variable);
  EXPECT_FALSE(pages_.State().edit_fix_enabled);
  EXPECT_TRUE(pages_.State().edit_von_enabled);
  EXPECT_TRUE(pages_.State().edit_bis_enabled);
  EXPECT_EQ(pages_.Design().fixed_block_size, "12");
  EXPECT_EQ(pages_.Design().min_block_size, "4");

  pages_.SelectBlockSizeMode(BlockSizeMode::Fixed);
  EXPECT_TRUE(pages_.State().edit_fix_enabled);
  EXPECT_FALSE(pages_.State().edit_von_enabled);
  EXPECT_EQ(pages_.Design().min_block_size, "4");
}

}  // namespace
}  // namespace zufora::testing
