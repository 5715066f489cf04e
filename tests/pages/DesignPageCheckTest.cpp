// Leaving the design page: the check that sizes and fills the tables.

#include <limits>
#include <string>

#include "design/Limits.h"
#include "pages/DesignPagesFixture.h"
#include "text/Cp1252.h"

namespace zufora::testing {
namespace {

using DesignPageCheck = DesignPagesTest;

TEST_F(DesignPageCheck, FreshDesignSizesArmTableAndProposesSeed) {
  pages_.MovePage(Page::Arms);

  EXPECT_TRUE(Events().empty());
  EXPECT_EQ(pages_.State().active_page, Page::Arms);
  const StudyDesign& design = pages_.Design();
  EXPECT_EQ(design.seed, kProposedSeed);
  EXPECT_EQ(pages_.Design().checked.arm_count, 3);
  EXPECT_EQ(pages_.Design().checked.sample_size, 120);
  ASSERT_EQ(design.arms.RowCount(), 4);
  EXPECT_EQ(design.arms.Cell(0, 0), "Arm");
  EXPECT_EQ(design.arms.Cell(1, 0), "Beschreibung");
  EXPECT_EQ(design.arms.Cell(2, 0), "Ratio");
  for (int row = 1; row <= 3; ++row) {
    EXPECT_EQ(design.arms.Cell(kArmLabelColumn, row), "Arm " + std::to_string(row));
    EXPECT_EQ(design.arms.Cell(kArmDescriptionColumn, row), "");
    EXPECT_EQ(design.arms.Cell(kArmRatioColumn, row), "1");
  }
  // Per-centre lists off: the centre table keeps its two empty rows.
  EXPECT_EQ(design.centres.RowCount(), 3);
  EXPECT_EQ(design.centres.Cell(0, 0), "");
  // The arm page shows its selected row at once.
  EXPECT_EQ(pages_.State().arm_rows.Field(kArmLabelColumn), "Arm 1");
  EXPECT_EQ(pages_.State().arm_rows.Field(kArmRatioColumn), "1");
}

TEST_F(DesignPageCheck, SeedFieldWithAnyTextIsKept) {
  pages_.SetSeed("abc");
  LeaveDesignPage();
  EXPECT_EQ(pages_.Design().seed, "abc");
  pages_.SetSeed("");
  LeaveDesignPage();
  EXPECT_EQ(pages_.Design().seed, kProposedSeed);
}

TEST_F(DesignPageCheck, ArmCountNotAnIntegerChangesNothingAndGivesUpTheMove) {
  pages_.SetPerCentreLists(true);
  pages_.SetCentreCount("4");
  pages_.SetArmCount("abc");

  pages_.GoNext();

  EXPECT_EQ(Events(),
            (std::vector<Event>{Plain(Msg(Message::MessageArmCount)), PageEvent(Page::Design)}));
  EXPECT_EQ(Msg(Message::MessageArmCount),
            Cp1252Literal("Gültige Anzahl für Studienarme eingeben!"));
  EXPECT_EQ(pages_.State().active_page, Page::Design);
  EXPECT_EQ(pages_.Design().checked.arm_count, 0);
  EXPECT_EQ(pages_.Design().checked.sample_size, 0);
  EXPECT_EQ(pages_.Design().arms.RowCount(), 3);
  EXPECT_EQ(pages_.Design().arms.Cell(0, 1), "");
  EXPECT_EQ(pages_.Design().centres.RowCount(), 3);
  EXPECT_EQ(pages_.Design().centres.Cell(0, 1), "");
  EXPECT_TRUE(pages_.State().centre_tab_visible);
}

TEST_F(DesignPageCheck, SampleSizeNotAnIntegerKeepsCheckedArmCountOnly) {
  pages_.SetArmCount("4");
  pages_.SetSampleSize("");

  pages_.MovePage(Page::Blocks);

  EXPECT_EQ(Events(), (std::vector<Event>{Plain(Msg(Message::MessagePatientCount)),
                                          PageEvent(Page::Design)}));
  EXPECT_EQ(pages_.State().active_page, Page::Design);
  EXPECT_EQ(pages_.Design().checked.arm_count, 4);
  EXPECT_EQ(pages_.Design().checked.sample_size, 0);
  EXPECT_EQ(pages_.Design().arms.RowCount(), 3);
  EXPECT_EQ(pages_.Design().arms.Cell(0, 1), "");
}

TEST_F(DesignPageCheck, MoreArmsThanPatientsStillSizesTheTable) {
  pages_.SetArmCount("5");
  pages_.SetSampleSize("3");

  pages_.MovePage(Page::Arms);

  EXPECT_EQ(Events(), (std::vector<Event>{Plain(Msg(Message::MessageArmPatientCount)),
                                          PageEvent(Page::Design)}));
  EXPECT_EQ(pages_.State().active_page, Page::Design);
  const TextGrid& arms = pages_.Design().arms;
  ASSERT_EQ(arms.RowCount(), 6);
  for (int row = 1; row <= 5; ++row) {
    EXPECT_EQ(arms.Cell(kArmLabelColumn, row), "Arm " + std::to_string(row));
    EXPECT_EQ(arms.Cell(kArmRatioColumn, row), "1");
  }
  EXPECT_EQ(pages_.Design().checked.arm_count, 5);
  EXPECT_EQ(pages_.Design().checked.sample_size, 3);
}

TEST_F(DesignPageCheck, CentreCountNotAnIntegerAfterArmsAreSized) {
  pages_.SetPerCentreLists(true);
  pages_.SetArmCount("4");  // EditZentren stays empty

  pages_.MovePage(Page::Arms);

  EXPECT_EQ(Events(),
            (std::vector<Event>{Plain(Msg(Message::MessageCenterCount)), PageEvent(Page::Design)}));
  EXPECT_EQ(pages_.State().active_page, Page::Design);
  EXPECT_EQ(pages_.Design().arms.RowCount(), 5);
  EXPECT_EQ(pages_.Design().arms.Cell(kArmLabelColumn, 4), "Arm 4");
  EXPECT_TRUE(pages_.State().centre_tab_visible);
  EXPECT_TRUE(pages_.State().centre_page_enabled);
  EXPECT_EQ(pages_.Design().centres.RowCount(), 3);
  EXPECT_EQ(pages_.Design().centres.Cell(0, 0), "");
  EXPECT_EQ(pages_.Design().checked.centre_count, 0);
}

TEST_F(DesignPageCheck, CentreTableFilledOnlyWhereEmpty) {
  OpenCentrePage("3");
  pages_.TypeCentreField(kCentreNumberColumn, "Z-7");  // row 1's number typed by the user
  pages_.MovePage(Page::Design);
  sink_.Clear();
  pages_.SetCentreCount("4");
  pages_.MovePage(Page::Arms);

  const TextGrid& centres = pages_.Design().centres;
  ASSERT_EQ(centres.RowCount(), 5);
  EXPECT_EQ(centres.Cell(0, 0), "Zentrum");
  EXPECT_EQ(centres.Cell(1, 0), "Nummer");
  EXPECT_EQ(centres.Cell(2, 0), "Beschreibung");
  EXPECT_EQ(centres.Cell(3, 0), "Geplante Fallzahl");
  EXPECT_EQ(centres.Cell(kCentreNumberColumn, 1), "Z-7");
  for (int row = 1; row <= 4; ++row) {
    EXPECT_EQ(centres.Cell(kCentreLabelColumn, row), "Zentrum " + std::to_string(row));
  }
  EXPECT_EQ(centres.Cell(kCentreNumberColumn, 4), "4");
  EXPECT_EQ(centres.Cell(kCentreSampleSizeColumn, 4), "");
  EXPECT_EQ(pages_.Design().checked.centre_count, 4);
}

TEST_F(DesignPageCheck, RowsCutOffComeBackWithTheirCells) {
  pages_.SetArmCount("5");
  pages_.MovePage(Page::Arms);
  ASSERT_TRUE(pages_.ClickArmRow(4));
  pages_.TypeArmField(kArmDescriptionColumn, "Verum hoch");
  pages_.TypeArmField(kArmRatioColumn, "2");
  ASSERT_TRUE(pages_.ClickArmRow(2));
  pages_.TypeArmField(kArmDescriptionColumn, "Placebo");
  pages_.MovePage(Page::Design);

  pages_.SetArmCount("3");
  pages_.MovePage(Page::Arms);
  EXPECT_EQ(pages_.Design().arms.RowCount(), 4);
  pages_.MovePage(Page::Design);
  pages_.SetArmCount("5");
  pages_.MovePage(Page::Arms);

  const TextGrid& arms = pages_.Design().arms;
  ASSERT_EQ(arms.RowCount(), 6);
  EXPECT_EQ(arms.Cell(kArmDescriptionColumn, 2), "Placebo");
  EXPECT_EQ(arms.Cell(kArmDescriptionColumn, 4), "Verum hoch");
  EXPECT_EQ(arms.Cell(kArmRatioColumn, 4), "2");
  EXPECT_EQ(arms.Cell(kArmRatioColumn, 5), "1");
  EXPECT_TRUE(Events().empty());
}

TEST_F(DesignPageCheck, TranslatedArmCaptionRelabelsArmsButNotFilledCentres) {
  OpenCentrePage("2");
  pages_.MovePage(Page::Design);
  texts_.main_window.Find("LabelArm")->caption = "Bras";
  texts_.main_window.Find("LabelCenter")->caption = "Centre";
  pages_.SetCentreCount("3");

  pages_.MovePage(Page::Arms);

  const StudyDesign& design = pages_.Design();
  EXPECT_EQ(design.arms.Cell(0, 0), "Bras");
  EXPECT_EQ(design.arms.Cell(kArmLabelColumn, 1), "Bras 1");
  EXPECT_EQ(design.arms.Cell(kArmLabelColumn, 3), "Bras 3");
  EXPECT_EQ(design.centres.Cell(0, 0), "Centre");
  EXPECT_EQ(design.centres.Cell(kCentreLabelColumn, 1), "Zentrum 1");
  EXPECT_EQ(design.centres.Cell(kCentreLabelColumn, 2), "Zentrum 2");
  EXPECT_EQ(design.centres.Cell(kCentreLabelColumn, 3), "Centre 3");
}

TEST_F(DesignPageCheck, ArmCountZeroLeavesHeadingRowOnly) {
  CheckDesignPage();  // three arms with ratio "1"
  pages_.SetArmCount("0");
  pages_.MovePage(Page::Arms);
  EXPECT_EQ(pages_.Design().arms.RowCount(), 1);
  EXPECT_EQ(pages_.Design().arms.Cell(0, 0), "Arm");
  // A negative count is no error for this check; the table keeps its heading row.
  pages_.MovePage(Page::Design);
  pages_.SetArmCount("-5");
  pages_.MovePage(Page::Arms);
  EXPECT_EQ(pages_.State().active_page, Page::Arms);
  EXPECT_EQ(pages_.Design().arms.RowCount(), 1);
  EXPECT_EQ(pages_.Design().checked.arm_count, -5);
  // The hidden rows were never cleared.
  EXPECT_EQ(pages_.Design().arms.Cell(kArmRatioColumn, 3), "1");
}

// Counts the program cannot hold are refused like a text that does not parse, so that
// no table grows beyond its limit.
TEST_F(DesignPageCheck, CountsBeyondTheLimitsAreRefused) {
  pages_.SetSampleSize("2147483647");
  pages_.SetArmCount(std::to_string(kMaxArms + 1));
  LeaveDesignPage();
  EXPECT_EQ(Events().front(), Plain(Msg(Message::MessageArmCount)));
  EXPECT_EQ(pages_.Design().arms.RowCount(), 3);
  EXPECT_EQ(pages_.Design().checked.arm_count, 0);

  sink_.Clear();
  pages_.SetArmCount("2147483647");
  LeaveDesignPage();
  EXPECT_EQ(Events().front(), Plain(Msg(Message::MessageArmCount)));

  sink_.Clear();
  pages_.SetArmCount(std::to_string(kMaxArms));
  pages_.SetPerCentreLists(true);
  pages_.SetCentreCount("2147483647");
  LeaveDesignPage();
  EXPECT_EQ(pages_.Design().arms.RowCount(), kMaxArms + 1);
  EXPECT_EQ(pages_.Design().arms.Cell(kArmLabelColumn, kMaxArms), "Arm 65536");
  EXPECT_EQ(Events(),
            (std::vector<Event>{Plain(Msg(Message::MessageCenterCount)), PageEvent(Page::Design)}));
  EXPECT_EQ(pages_.Design().centres.RowCount(), 3);

  sink_.Clear();
  pages_.SetCentreCount(std::to_string(kMaxCentres + 1));
  LeaveDesignPage();
  EXPECT_EQ(Events().front(), Plain(Msg(Message::MessageCenterCount)));

  sink_.Clear();
  pages_.SetCentreCount(std::to_string(kMaxCentres));
  LeaveDesignPage();
  EXPECT_TRUE(Events().empty());
  EXPECT_EQ(pages_.Design().centres.RowCount(), kMaxCentres + 1);
  EXPECT_EQ(pages_.Design().centres.Cell(kCentreNumberColumn, kMaxCentres), "100000");
}

}  // namespace
}  // namespace zufora::testing
