// The per-centre switch, the centre sum and the check made when the centre page is left.

#include <string>

#include "pages/DesignPagesFixture.h"

namespace zufora::testing {
namespace {

using CentrePage = DesignPagesTest;

TEST_F(CentrePage, SwitchShowsAndHidesThePageAndKeepsTheTable) {
  EXPECT_FALSE(pages_.State().centre_tab_visible);
  EXPECT_FALSE(pages_.State().centre_count_enabled);

  OpenCentrePage("2");
  TypeCentreSize(2, "30");
  pages_.MovePage(Page::Design);
  pages_.SetPerCentreLists(false);

  EXPECT_FALSE(pages_.State().centre_tab_visible);
  EXPECT_FALSE(pages_.State().centre_page_enabled);
  EXPECT_FALSE(pages_.State().centre_count_enabled);
  EXPECT_EQ(pages_.Design().checked.centre_count, 1);
  EXPECT_EQ(pages_.Design().centre_count, "2");

  pages_.SetPerCentreLists(true);
  EXPECT_TRUE(pages_.State().centre_tab_visible);
  EXPECT_TRUE(pages_.State().centre_page_enabled);
  EXPECT_TRUE(pages_.State().centre_count_enabled);
  EXPECT_EQ(pages_.Design().centres.RowCount(), 3);
  EXPECT_EQ(pages_.Design().centres.Cell(kCentreSampleSizeColumn, 2), "30");
}

TEST_F(CentrePage, KeyDownEnablesForTheCurrentStateOnly) {
  pages_.PerCentreSwitchKeyDown();  // off: no checked centre count of 1, unlike a click
  EXPECT_FALSE(pages_.State().centre_count_enabled);
  EXPECT_EQ(pages_.Design().checked.centre_count, 0);

  pages_.SetPerCentreLists(true);
  pages_.PerCentreSwitchKeyDown();
  EXPECT_TRUE(pages_.State().centre_page_enabled);
  EXPECT_TRUE(pages_.State().centre_count_enabled);
}

TEST_F(CentrePage, CentrePageWhileSwitchedOffSendsUserBack) {
  pages_.MovePage(Page::Centres);
  EXPECT_EQ(Events(), (std::vector<Event>{Plain(Msg(Message::MessageCheckListEachCenter)),
                                          PageEvent(Page::Design)}));
  EXPECT_EQ(pages_.State().active_page, Page::Design);
  EXPECT_FALSE(pages_.State().centre_tab_visible);
  EXPECT_EQ(pages_.State().focus, Control::SampleSizeField);
}

TEST_F(CentrePage, EnteringFillsFieldsAndTypingWritesTheSelectedRow) {
  OpenCentrePage("3");
  EXPECT_EQ(pages_.State().centre_rows.Field(kCentreLabelColumn), "Zentrum 1");
  EXPECT_EQ(pages_.State().centre_rows.Field(kCentreNumberColumn), "1");
  EXPECT_EQ(pages_.State().centre_sum_text, "0");

  ASSERT_TRUE(pages_.ClickCentreRow(3));
  EXPECT_EQ(pages_.State().focus, Control::CentreDescriptionField);
  EXPECT_EQ(pages_.State().centre_rows.Field(kCentreLabelColumn), "Zentrum 3");
  pages_.TypeCentreField(kCentreDescriptionColumn, "Klinikum Nord");
  pages_.TypeCentreField(kCentreNumberColumn, "103");
  pages_.TypeCentreField(kCentreSampleSizeColumn, "40");

  const TextGrid& centres = pages_.Design().centres;
  EXPECT_EQ(centres.Cell(kCentreDescriptionColumn, 3), "Klinikum Nord");
  EXPECT_EQ(centres.Cell(kCentreNumberColumn, 3), "103");
  EXPECT_EQ(centres.Cell(kCentreSampleSizeColumn, 3), "40");
  EXPECT_EQ(centres.Cell(kCentreDescriptionColumn, 2), "");
  EXPECT_EQ(pages_.State().centre_sum_text, "40");
  EXPECT_FALSE(pages_.ClickCentreRow(0));  // the heading row is fixed
  EXPECT_FALSE(pages_.ClickCentreRow(4));
  EXPECT_EQ(pages_.State().centre_rows.Row(), 3);
}

TEST_F(CentrePage, SumReadsCellsLeniently) {
  OpenCentrePage("3");
  TypeCentreSize(1, "50");
  TypeCentreSize(2, "40");
  TypeCentreSize(3, "abc");
  EXPECT_EQ(pages_.State().centre_sum_text, "90");
}

TEST_F(CentrePage, SumIsFormedInSixtyFourBits) {
  OpenCentrePage("3");
  TypeCentreSize(1, "2147483647");
  TypeCentreSize(2, "2147483647");
  TypeCentreSize(3, "2");
  EXPECT_EQ(pages_.State().centre_sum_text, "4294967296");

  // The check reads that sum too and offers it as the planned sample size, which the
  // checked number cannot take.
  sink_.ScriptAnswers({true});
  pages_.MovePage(Page::Blocks);
  EXPECT_EQ(Events(), (std::vector<Event>{Question(Msg(Message::MessageSampleSizeError), true)}));
  EXPECT_EQ(pages_.Design().sample_size, "4294967296");
  EXPECT_EQ(pages_.Design().checked.sample_size, 120);
}

TEST_F(CentrePage, SumAboveSampleSizeAnsweredYesRaisesIt) {
  OpenCentrePage("2");
  TypeCentreSize(1, "100");
  TypeCentreSize(2, "50");
  sink_.ScriptAnswers({true});

  pages_.MovePage(Page::Blocks);

  EXPECT_EQ(Events(), (std::vector<Event>{Question(Msg(Message::MessageSampleSizeError), true)}));
  EXPECT_EQ(pages_.State().active_page, Page::Blocks);
  EXPECT_EQ(pages_.Design().sample_size, "150");
  EXPECT_EQ(pages_.Design().checked.sample_size, 150);
}

TEST_F(CentrePage, SumAboveSampleSizeAnsweredNoChangesNothing) {
  OpenCentrePage("2");
  TypeCentreSize(1, "100");
  TypeCentreSize(2, "50");
  sink_.ScriptAnswers({false});

  pages_.MovePage(Page::Blocks);

  EXPECT_EQ(Events(), (std::vector<Event>{Question(Msg(Message::MessageSampleSizeError), false)}));
  EXPECT_EQ(pages_.State().active_page, Page::Blocks);
  EXPECT_EQ(pages_.Design().sample_size, "120");
  EXPECT_EQ(pages_.Design().checked.sample_size, 120);
}

TEST_F(CentrePage, SumBelowSampleSizeOnlyTellsTheUser) {
  OpenCentrePage("2");
  TypeCentreSize(1, "60");
  TypeCentreSize(2, "40");

  pages_.GoNext();

  EXPECT_EQ(Events(), (std::vector<Event>{Plain(Msg(Message::MessageSampleSizeError2)),
                                          PageEvent(Page::Blocks)}));
  EXPECT_EQ(pages_.State().active_page, Page::Blocks);
  EXPECT_EQ(pages_.Design().sample_size, "120");
}

TEST_F(CentrePage, AllSizesEmptyAsksForThemWithoutHoldingTheUser) {
  OpenCentrePage("2");
  pages_.FocusControl(Control::CentreSampleSizeField);
  pages_.GoBack();
  EXPECT_EQ(Events(), (std::vector<Event>{Plain(Msg(Message::MessageExpectedSampleSize)),
                                          PageEvent(Page::Arms)}));
  EXPECT_EQ(pages_.State().active_page, Page::Arms);
}

TEST_F(CentrePage, TypedSumStandsUntilTheTableIsDrawn) {
  OpenCentrePage("2");
  TypeCentreSize(1, "60");
  TypeCentreSize(2, "60");
  pages_.SetCentreSumText("500");

  pages_.MovePage(Page::Blocks);
  EXPECT_EQ(Events(), (std::vector<Event>{Question(Msg(Message::MessageSampleSizeError), true)}));
  EXPECT_EQ(pages_.Design().sample_size, "500");

  pages_.SetCentreSumText("junk");
  pages_.MovePage(Page::Centres);  // the table is drawn as the page appears
  EXPECT_EQ(pages_.State().centre_sum_text, "120");
}

TEST_F(CentrePage, CheckDoesNothingWithPerCentreListsOff) {
  pages_.SetCentreSumText("0");
  pages_.FocusControl(Control::CentreSumField);
  pages_.FocusControl(Control::SaveButton);
  EXPECT_TRUE(Events().empty());
}

}  // namespace
}  // namespace zufora::testing
