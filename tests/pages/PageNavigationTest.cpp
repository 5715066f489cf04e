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
  EXPECT_EQ(pages_.State().active_page, Page::Design);
  EXPECT_FALSE(pages_.State().centre_tab_visible);
  EXPECT_EQ(pages_.BlockSeparator(), "------- Block ------");
  EXPECT_EQ(pages_.CenterCaption(), "Zentrum");
}

TEST_F(PageNavigation, NextWrapsFromInfoToDesign) {
  pages_.MovePage(Page::Info);
  sink_.Clear();
  pages_.GoNext();
  EXPECT_EQ(pages_.State().active_page, Page::Design);
  EXPECT_EQ(Events(), (std::vector<Event>{PageEvent(Page::Design)}));
  EXPECT_EQ(pages_.State().focus, Control::SampleSizeField);
}

TEST_F(PageNavigation, BackWrapsFromDesignToInfo) {
  pages_.GoBack();
  EXPECT_EQ(pages_.State().active_page, Page::Info);
  EXPECT_EQ(Events(), (std::vector<Event>{PageEvent(Page::Info)}));
}

TEST_F(PageNavigation, HiddenCentrePageIsSkipped) {
  pages_.GoNext();
  ASSERT_EQ(pages_.State().active_page, Page::Arms);
  pages_.GoNext();
  EXPECT_EQ(pages_.State().active_page, Page::Blocks);
  pages_.GoBack();
  EXPECT_EQ(pages_.State().active_page, Page::Arms);
}

TEST_F(PageNavigation, ShownCentrePageIsVisitedInOrder) {
  pages_.SetPerCentreLists(true);
  pages_.SetCentreCount("2");
  pages_.GoNext();
  pages_.GoNext();
  EXPECT_EQ(pages_.State().active_page, Page::Centres);
  EXPECT_EQ(pages_.State().centre_rows.Field(kCentreLabelColumn), "Zentrum 1");
}

TEST_F(PageNavigation, WalkingAllPagesWithNextComesBackToDesign) {
  const Page expected[] = {Page::Arms, Page::Blocks, Page::Seed,
                           Page::List, Page::Info,   Page::Design};
  for (Page page : expected) {
    pages_.GoNext();
    EXPECT_EQ(pages_.State().active_page, page);
  }
  EXPECT_EQ(Events().size(), 6u);  // one page switch each, no message
}

TEST_F(PageNavigation, FailedCheckOnTheWayOutKeepsTheDesignPage) {
  pages_.SetArmCount("x");
  pages_.MovePage(Page::List);
  EXPECT_EQ(pages_.State().active_page, Page::Design);
  // The user can still walk the other pages; they are not checked on leaving.
  pages_.SetArmCount("2");
  pages_.MovePage(Page::List);
  EXPECT_EQ(pages_.State().active_page, Page::List);
}

TEST_F(PageNavigation, ClickingTheActiveTabRunsNoCheck) {
  pages_.SetArmCount("x");
  pages_.MovePage(Page::Design);
  EXPECT_TRUE(Events().empty());
}

// The exit handler of the page left runs only when the focus was inside that page: after
// a check has run because the focus left the page, a move runs no second check.
TEST_F(PageNavigation, CheckRunsOnlyWhenTheFocusLeavesThePage) {
  pages_.SetArmCount("5");
  pages_.SetSampleSize("3");
  pages_.FocusControl(Control::SaveButton);
  EXPECT_EQ(Events(), (std::vector<Event>{Plain(Msg(Message::MessageArmPatientCount)),
                                          PageEvent(Page::Design)}));
  sink_.Clear();
  EXPECT_TRUE(pages_.MovePage(Page::List));
  EXPECT_TRUE(Events().empty());

  // The same warning met by a tab press gives that move up; the focus is then on the
  // tabs, so the next press reaches the list page, and "Generieren" can run.
  pages_.MovePage(Page::Design);
  pages_.SetArmCount("1");
  pages_.SetSampleSize("0");
  EXPECT_FALSE(pages_.MovePage(Page::List));
  EXPECT_EQ(pages_.State().last_design_check, DesignCheck::Warned);
  EXPECT_TRUE(pages_.MovePage(Page::List));
  EXPECT_TRUE(pages_.Generate());
  EXPECT_NE(pages_.ListText(), "");
}

TEST_F(PageNavigation, LeavingForAButtonOutsideRunsTheCheck) {
  pages_.FocusControl(Control::SaveButton);
  EXPECT_EQ(pages_.Design().seed, kProposedSeed);
  EXPECT_EQ(pages_.Design().arms.RowCount(), 4);
}

TEST_F(ArmRowEditing, FieldsFollowTheSelectedRow) {
  pages_.MovePage(Page::Arms);
  EXPECT_EQ(pages_.State().arm_rows.Field(kArmLabelColumn), "Arm 1");
  pages_.TypeArmField(kArmDescriptionColumn, "Placebo");
  pages_.TypeArmField(kArmRatioColumn, "abc");
  ASSERT_TRUE(pages_.ClickArmRow(3));
  EXPECT_EQ(pages_.State().focus, Control::ArmDescriptionField);
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
  pages_.SetArmCount("0");
  pages_.MovePage(Page::Arms);
  EXPECT_FALSE(pages_.State().arm_rows.HeadingFixed());
  EXPECT_EQ(pages_.State().arm_rows.Row(), 0);
  EXPECT_EQ(pages_.State().arm_rows.Field(kArmLabelColumn),
            "Arm");  // the arriving page shows the heading row
  pages_.TypeArmField(kArmDescriptionColumn, "typed");
  EXPECT_EQ(pages_.Design().arms.Cell(kArmDescriptionColumn, 0), "Beschreibung");

  // Grown again, the heading row stays selectable and still takes no input.
  pages_.MovePage(Page::Design);
  pages_.SetArmCount("2");
  pages_.MovePage(Page::Arms);
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
  pages_.SetArmCount("5");
  pages_.MovePage(Page::Arms);
  ASSERT_TRUE(pages_.ClickArmRow(5));
  pages_.MovePage(Page::Design);
  pages_.SetArmCount("2");
  pages_.MovePage(Page::Arms);
  EXPECT_EQ(pages_.State().arm_rows.Row(), 2);
  EXPECT_TRUE(pages_.State().arm_rows.HeadingFixed());
  EXPECT_EQ(pages_.State().arm_rows.Field(kArmLabelColumn), "Arm 2");
}

TEST_F(BlockSizeFields, VariableModeSwapsTheEnabledFieldsAndKeepsTexts) {
  EXPECT_TRUE(pages_.State().fixed_block_size_enabled);
  EXPECT_FALSE(pages_.State().min_block_size_enabled);
  EXPECT_FALSE(pages_.State().max_block_size_enabled);
  pages_.SetMinBlockSize("4");

  pages_.SelectBlockSizeMode(BlockSizeMode::Variable);
  EXPECT_FALSE(pages_.State().fixed_block_size_enabled);
  EXPECT_TRUE(pages_.State().min_block_size_enabled);
  EXPECT_TRUE(pages_.State().max_block_size_enabled);
  EXPECT_EQ(pages_.Design().fixed_block_size, "12");
  EXPECT_EQ(pages_.Design().min_block_size, "4");

  pages_.SelectBlockSizeMode(BlockSizeMode::Fixed);
  EXPECT_TRUE(pages_.State().fixed_block_size_enabled);
  EXPECT_FALSE(pages_.State().min_block_size_enabled);
  EXPECT_EQ(pages_.Design().min_block_size, "4");
}

}  // namespace
}  // namespace zufora::testing
