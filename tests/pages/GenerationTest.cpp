// "Generieren" and "erzeugen" driven through the pages.

#include <cstdint>
#include <string>
#include <vector>

#include "lang/FixedMessages.h"
#include "pages/DesignPagesFixture.h"

namespace zufora::testing {
namespace {

using Generation = DesignPagesTest;

// The worked example: 3 arms 1:1:1, 12 patients, fixed block size 6, seed 12345 gives
// the arms 3, 1, 3, 2, 2, 1 | 2, 1, 3, 3, 2, 1.
class WorkedExample : public DesignPagesTest {
 protected:
  void SetUp() override {
    pages_.SetStudyName("Studie A");
    pages_.SetSampleSize("12");
    pages_.SetFixedBlockSize("6");
    pages_.SetSeed("12345");
    pages_.MovePage(Page::Arms);
    const char* descriptions[] = {"Placebo", "Niedrig", "Hoch"};
    for (int row = 1; row <= 3; ++row) {
      ASSERT_TRUE(pages_.ClickArmRow(row));
      pages_.TypeArmField(kArmDescriptionColumn, descriptions[row - 1]);
    }
    pages_.MovePage(Page::List);
    ASSERT_TRUE(Events().empty());
  }
};

TEST_F(WorkedExample, ListTextOfTheWorkedExample) {
  EXPECT_TRUE(pages_.Generate());
  EXPECT_TRUE(pages_.State().generation_completed);
  EXPECT_TRUE(Events().empty());
  EXPECT_EQ(pages_.ListText(),
            "Studie A\n"
            "Seed: (12345)\n"
            "1\t3\tHoch\n2\t1\tPlacebo\n3\t3\tHoch\n4\t2\tNiedrig\n5\t2\tNiedrig\n6\t1\tPlacebo\n"
            "------- Block ------\n"
            "7\t2\tNiedrig\n8\t1\tPlacebo\n9\t3\tHoch\n10\t3\tHoch\n11\t2\tNiedrig\n"
            "12\t1\tPlacebo\n"
            "------- Block ------\n");
}

TEST_F(WorkedExample, OptionsOffLeaveNoSeedAndNoSeparators) {
  pages_.SetMarkBlocks(false);
  pages_.SetShowSeed(false);
  EXPECT_TRUE(pages_.Generate());
  const std::string& text = pages_.ListText();
  EXPECT_EQ(text.substr(0, 10), "Studie A\n\n");
  EXPECT_EQ(text.find("Block"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 13), "12\t1\tPlacebo\n");
}

TEST_F(WorkedExample, BlockWordDerivedByTheFirstShowIsUsed) {
  texts_.catalogue.Window().Find("LabelBlock")->caption = "Bloc";
  ApplyFirstShowTexts(texts_, nullptr);
  pages_.MovePage(Page::List);
  EXPECT_EQ(pages_.BlockSeparator(), "------- Bloc ------");
  pages_.Generate();
  EXPECT_NE(pages_.ListText().find("\n------- Bloc ------\n"), std::string::npos);
}

TEST_F(Generation, EveryLineOfTheListTextCountsAgainstItsLimit) {
  // 300,000 blocks of one patient under a separator of 4,000 characters would make a
  // text of 1.2 GB, beyond the limit of 1 GiB although each allocation line is short.
  texts_.catalogue.Window().Find("LabelBlock")->caption = std::string(4000, 'B');
  ApplyFirstShowTexts(texts_, nullptr);
  pages_.SetStudyName("Lang");
  pages_.SetArmCount("1");
  pages_.SetSampleSize("300000");
  pages_.SetFixedBlockSize("1");
  pages_.SetSeed("1");
  pages_.MovePage(Page::List);
  sink_.Clear();
  EXPECT_FALSE(pages_.Generate());
  EXPECT_EQ(Events(), std::vector<Event>{Plain(Msg(Message::MessagePatientCount))});
  EXPECT_EQ(pages_.ListText(), "Lang\n");

  // Without the separators the same list fits.
  pages_.SetMarkBlocks(false);
  EXPECT_TRUE(pages_.Generate());
  const std::string& text = pages_.ListText();
  EXPECT_EQ(text.substr(text.size() - 10), "300000\t1\t\n");
}

TEST_F(WorkedExample, GeneratorPageSwitchBecomesTheActivePage) {
  pages_.SetFixedBlockSize("5");  // equal ratios: 5 is no multiple of 3 arms
  sink_.ScriptAnswers({true});

  EXPECT_FALSE(pages_.Generate());

  EXPECT_EQ(Events(), (std::vector<Event>{Question(FixedMessages::ArmsDoNotFitBlockSize(), true),
                                          PageEvent(Page::Arms)}));
  EXPECT_EQ(pages_.State().active_page, Page::Arms);
  EXPECT_EQ(pages_.ListText(), "Studie A\n");
  // Back from the page the generator chose goes on from there.
  pages_.GoBack();
  EXPECT_EQ(pages_.State().active_page, Page::Design);
}

// The envelopes are printed from the lists last drawn in full, with the design of that
// moment: later edits of the pages do not reach them, an incomplete generation drops them.
TEST_F(WorkedExample, TheLastCompleteGenerationIsKeptWithItsDesign) {
  EXPECT_EQ(pages_.LastGeneration(), nullptr);
  ASSERT_TRUE(pages_.Generate());
  const GeneratedLists* kept = pages_.LastGeneration();
  ASSERT_NE(kept, nullptr);
  ASSERT_EQ(kept->drawn.lists.size(), 1U);
  EXPECT_EQ(kept->drawn.lists[0].arms,
            (std::vector<std::int32_t>{3, 1, 3, 2, 2, 1, 2, 1, 3, 3, 2, 1}));
  EXPECT_EQ(kept->design.arms.Cell(kArmDescriptionColumn, 3), "Hoch");

  pages_.SetStudyName("Studie B");
  pages_.SetListText("edited\n");
  EXPECT_EQ(pages_.LastGeneration()->design.study_name, "Studie A");
  EXPECT_EQ(pages_.LastGeneration()->drawn.study_name, "Studie A");

  EXPECT_FALSE(pages_.LastGeneration()->test_list);
  pages_.SetTestList(true);
  ASSERT_TRUE(pages_.Generate());
  EXPECT_TRUE(pages_.LastGeneration()->test_list);

  pages_.SetFixedBlockSize("5");  // no multiple of 3 arms: the generation is not complete
  sink_.ScriptAnswers({true});
  EXPECT_FALSE(pages_.Generate());
  EXPECT_EQ(pages_.LastGeneration(), nullptr);
}

TEST_F(Generation, SeedButtonWritesTheClocksProposal) {
  pages_.SetSeed("17");
  pages_.ProposeSeed();
  EXPECT_EQ(pages_.Design().seed, kProposedSeed);
}

TEST_F(Generation, NoCentresLeavesTheListEmpty) {
  pages_.SetPerCentreLists(true);
  pages_.SetCentreCount("0");
  pages_.SetSeed("1");
  pages_.SetListText("old text\n");
  pages_.MovePage(Page::List);
  EXPECT_FALSE(pages_.Generate());
  EXPECT_EQ(pages_.ListText(), "");
}

}  // namespace
}  // namespace zufora::testing
