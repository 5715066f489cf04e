// The checks of a generation: their messages, page switches, questions and what the
// list text holds afterwards.
#include <gtest/gtest.h>

#include "lang/FixedMessages.h"
#include "lang/MessageCatalogue.h"
#include "pages/Generation.h"
#include "random/ListText.h"
#include "support/DesignBuilder.h"
#include "support/ListTextReading.h"
#include "support/RecordingMessageSink.h"

namespace zufora {
namespace {

using testing::MakeDesign;
using testing::RecordingMessageSink;
using Kind = RecordingMessageSink::Kind;
using Event = RecordingMessageSink::Event;

class GenerationChecks : public ::testing::Test {
 protected:
  std::string Generate(StudyDesign& design) {
    result_ = GenerateLists(design, catalogue_, sink_, generator_);
    for (const Page page : result_.outcome.page_switches) {
      sink_.ActivatePage(page);  // recorded after the generation's messages
    }
    return RenderListText(result_.drawn, design, ListTextOptions{});
  }
  std::string Text(Message message) const { return catalogue_.Text(message); }
  static Event Plain(std::string text) { return {Kind::Plain, std::move(text)}; }
  static Event Notice(std::string text) { return {Kind::Notice, std::move(text)}; }
  static Event Question(std::string text, bool answer) {
    return {Kind::Question, std::move(text), answer};
  }
  static Event PageSwitch(Page page) { return {Kind::Page, std::string(PageName(page))}; }

  // A design that passes every check: 2 arms 1:1, 12 patients, fixed blocks of 4.
  static StudyDesign Valid() {
    StudyDesign design = MakeDesign({"1", "1"}, "12", "777");
    testing::SetFixed(design, "4");
    return design;
  }

  MessageCatalogue catalogue_;
  RecordingMessageSink sink_;
  ParkMillerShuffleGenerator generator_;
  GenerationResult result_;
};

TEST_F(GenerationChecks, ParseFailuresLeaveTheTitleOnly) {
  struct Case {
    const char* what;
    void (*spoil)(StudyDesign&);
    Message message;
  };
  const Case cases[] = {
      {"ratio", [](StudyDesign& d) { d.arms.SetCell(kArmRatioColumn, 2, "abc"); },
       Message::MessageValidRatio},
      {"fixed block size", [](StudyDesign& d) { d.fixed_block_size = "12a"; },
       Message::MessageValidBlockSize},
      {"minimum block size", [](StudyDesign& d) { testing::SetVariable(d, "", "6"); },
       Message::MessageValidBlockSize},
      {"maximum block size", [](StudyDesign& d) { testing::SetVariable(d, "2", " "); },
       Message::MessageValidBlockSize},
  };
  for (const Case& c : cases) {
    StudyDesign design = Valid();
    c.spoil(design);
    sink_.Clear();
    EXPECT_EQ(Generate(design), "Studie\n") << c.what;
    EXPECT_EQ(sink_.Events(), std::vector<Event>{Plain(Text(c.message))}) << c.what;
    EXPECT_FALSE(result_.outcome.complete);
  }
}

TEST_F(GenerationChecks, SeedMustBeAnInteger) {
  StudyDesign design = Valid();
  design.seed = "12 ";
  EXPECT_EQ(Generate(design), "Studie\n");
  EXPECT_EQ(
      sink_.Events(),
      std::vector<Event>{Plain("Eingabewert: g\xFCltige Zahl im Bereich von 1 bis 2147483647")});
}

TEST_F(GenerationChecks, SeedIsReadBeforeEverythingElse) {
  StudyDesign design = Valid();
  design.seed = "";
  design.arms.SetCell(kArmRatioColumn, 1, "x");
  Generate(design);
  EXPECT_EQ(sink_.Texts(), std::vector<std::string>{catalogue_.ValidNumberMessage()});
}

TEST_F(GenerationChecks, ArmAndPatientCountsSwitchToTheDesignPage) {
  StudyDesign design = Valid();
  design.arm_count = "zwei";
  EXPECT_EQ(Generate(design), "Studie\n");
  EXPECT_EQ(sink_.Events(),
            (std::vector<Event>{Plain(Text(Message::MessageArmCount)), PageSwitch(Page::Design)}));

  design = Valid();
  design.sample_size = "";
  sink_.Clear();
  EXPECT_EQ(Generate(design), "Studie\n");
  EXPECT_EQ(sink_.Events(), (std::vector<Event>{Plain(Text(Message::MessagePatientCount)),
                                                PageSwitch(Page::Design)}));
}

TEST_F(GenerationChecks, MoreArmsThanPatientsWarnsAndGoesOn) {
  StudyDesign design = MakeDesign({"1", "1", "1"}, "0", "5");
  testing::SetFixed(design, "3");
  EXPECT_EQ(Generate(design), "Studie\nSeed: (5)\n");
  EXPECT_EQ(sink_.Events(), (std::vector<Event>{Plain(Text(Message::MessageArmPatientCount)),
                                                PageSwitch(Page::Design)}));
  EXPECT_TRUE(result_.outcome.complete);
}

TEST_F(GenerationChecks, QuestionAnsweredYesAbandons) {
  StudyDesign design = MakeDesign({"1", "1"}, "7", "99");
  testing::SetVariable(design, "2", "4");
  sink_.ScriptAnswers({true});
  EXPECT_EQ(Generate(design), "Studie\n");
  EXPECT_EQ(sink_.Events(),
            (std::vector<Event>{Question(FixedMessages::ArmsDoNotFitSampleSize(), true),
                                PageSwitch(Page::Arms)}));
}

TEST_F(GenerationChecks, EqualRatioTestsInOrder) {
  // 3 arms, fixed block 4 for 10 patients: two questions answered No, then the notice.
  StudyDesign design = MakeDesign({"1", "1", "1"}, "10", "3");
  testing::SetFixed(design, "4");
  sink_.SetDefaultAnswer(false);
  EXPECT_EQ(Generate(design), "Studie\n");
  EXPECT_EQ(sink_.Events(),
            (std::vector<Event>{Question(FixedMessages::ArmsDoNotFitSampleSize(), false),
                                Question(FixedMessages::ArmsDoNotFitBlockSize(), false),
                                Notice(FixedMessages::BlockSizeDoesNotFitPatients()),
                                PageSwitch(Page::Blocks)}));

  testing::SetVariable(design, "6", "6");
  sink_.Clear();
  Generate(design);
  EXPECT_EQ(sink_.Events(),
            (std::vector<Event>{Question(FixedMessages::ArmsDoNotFitSampleSize(), false),
                                Notice(FixedMessages::MinimumNotBelowMaximum()),
                                PageSwitch(Page::Blocks)}));

  testing::SetVariable(design, "4", "9");  // 4 mod 3 > 0
  sink_.Clear();
  sink_.ScriptAnswers({false, true});
  Generate(design);
  EXPECT_EQ(sink_.Events(),
            (std::vector<Event>{Question(FixedMessages::ArmsDoNotFitSampleSize(), false),
                                Question(FixedMessages::MinimumDoesNotFitArms(), true),
                                PageSwitch(Page::Blocks)}));
}

TEST_F(GenerationChecks, UnequalRatioTestsInOrder) {
  // Ratios 2:1 (R = 3), 10 patients, fixed block 4.
  StudyDesign design = MakeDesign({"2", "1"}, "10", "3");
  testing::SetFixed(design, "4");
  sink_.SetDefaultAnswer(false);
  Generate(design);
  EXPECT_EQ(sink_.Events(),
            (std::vector<Event>{Question(Text(Message::MessageRatioSampleSize), false),
                                Question(Text(Message::MessageRatioSampleSize), false),
                                Notice(Text(Message::MessageRatioSampleSize2)),
                                PageSwitch(Page::Blocks)}));

  testing::SetVariable(design, "9", "3");
  sink_.Clear();
  Generate(design);
  EXPECT_EQ(
      sink_.Events(),
      (std::vector<Event>{Question(Text(Message::MessageRatioSampleSize), false),
                          Notice(Text(Message::MessageBlockSize)), PageSwitch(Page::Blocks)}));

  testing::SetVariable(design, "6", "9");  // 10 div 2 < 6
  sink_.Clear();
  sink_.ScriptAnswers({false, true});
  Generate(design);
  EXPECT_EQ(sink_.Events(),
            (std::vector<Event>{Question(Text(Message::MessageRatioSampleSize), false),
                                Question(Text(Message::MessageBlockSizeRatio), true),
                                PageSwitch(Page::Blocks)}));
}

TEST_F(GenerationChecks, UndrawableBlockSizesKeepTitleAndSeedLine) {
  StudyDesign design = MakeDesign({"1", "1"}, "8", "42");
  testing::SetVariable(design, "4", "5");
  EXPECT_EQ(Generate(design), "Studie\nSeed: (42)\n");
  EXPECT_EQ(sink_.Events(), std::vector<Event>{Plain(Text(Message::MessageBlockRestictions))});
  EXPECT_FALSE(result_.outcome.complete);
}

TEST_F(GenerationChecks, UndrawableCentreKeepsItsHeadingAndTheOthersAreComplete) {
  StudyDesign design = MakeDesign({"1", "1"}, "16", "42");
  testing::SetVariable(design, "4", "5");
  testing::SetCentres(design, {{"1", "A", "8"}, {"2", "B", "8"}});
  const std::string text = Generate(design);
  // Both centres have 8 patients: each fails alone, the message comes once per centre.
  EXPECT_EQ(sink_.Texts(), (std::vector<std::string>{Text(Message::MessageBlockRestictions),
                                                     Text(Message::MessageBlockRestictions)}));
  const auto lines = testing::SplitLines(text);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1].rfind("Zentrum 1\tA - Seed: (", 0), 0u);
  EXPECT_EQ(lines[2].rfind("Zentrum 2\tB - Seed: (", 0), 0u);

  // Only size 4 is drawable: 8 patients cannot be cut into blocks, 3 fit one cut block.
  design.sample_size = "11";
  design.checked.sample_size = 11;
  testing::SetCentres(design, {{"1", "A", "8"}, {"2", "B", "3"}});
  sink_.Clear();
  sink_.SetDefaultAnswer(false);
  const auto mixed = testing::SplitLines(Generate(design));
  EXPECT_EQ(sink_.Texts(),
            (std::vector<std::string>{
                FixedMessages::ArmsDoNotFitSampleSize(), FixedMessages::ArmsDoNotFitSampleSize(),
                FixedMessages::MinimumDoesNotFitArms(), Text(Message::MessageBlockRestictions)}));
  ASSERT_EQ(mixed.size(), 7u);
  EXPECT_EQ(mixed[1].rfind("Zentrum 1\tA - Seed: (", 0), 0u);
  EXPECT_EQ(mixed[2].rfind("Zentrum 2\tB - Seed: (", 0), 0u);
  EXPECT_EQ(result_.drawn.lists[1].block_sizes, std::vector<std::int32_t>{3});
  EXPECT_FALSE(result_.outcome.complete);
}

TEST_F(GenerationChecks, CentreChecks) {
  StudyDesign design = Valid();
  testing::SetCentres(design, {{"1", "A", "4"}, {"2", "B", "vier"}});
  EXPECT_EQ(Generate(design), "Studie\n");
  EXPECT_EQ(sink_.Texts(), std::vector<std::string>{Text(Message::MessageCenterPatientCount)});

  design.centre_count = "";
  sink_.Clear();
  EXPECT_EQ(Generate(design), "Studie\n");
  EXPECT_EQ(sink_.Events(), std::vector<Event>{Plain(Text(Message::MessageCenterCount))});
}

TEST_F(GenerationChecks, NoCentresIsAnInternalErrorWithAnEmptyList) {
  StudyDesign design = Valid();
  testing::SetCentres(design, {});
  EXPECT_EQ(Generate(design), "");
  EXPECT_EQ(sink_.Events(), std::vector<Event>{Plain("Internal Error #61")});
  EXPECT_TRUE(result_.outcome.leaves_list_empty);
}

TEST_F(GenerationChecks, MisfitsAreAskedForTheStudyAndEveryMisfittingCentre) {
  StudyDesign design = MakeDesign({"1", "1"}, "9", "5");
  testing::SetVariable(design, "2", "4");
  testing::SetCentres(design, {{"1", "A", "4"}, {"2", "B", "5"}});
  sink_.SetDefaultAnswer(false);
  const std::string text = Generate(design);
  EXPECT_EQ(sink_.Texts(), (std::vector<std::string>{FixedMessages::ArmsDoNotFitSampleSize(),
                                                     FixedMessages::ArmsDoNotFitSampleSize()}));
  ASSERT_EQ(result_.drawn.lists.size(), 2u);
  EXPECT_EQ(result_.drawn.lists[0].arms.size(), 4u);
  EXPECT_EQ(result_.drawn.lists[1].arms.size(), 5u);
  EXPECT_TRUE(result_.outcome.complete);
}

TEST_F(GenerationChecks, CheckedNumbersFollowTheFields) {
  StudyDesign design = Valid();
  design.checked = {};
  design.arm_count = "2";
  testing::SetCentres(design, {{"1", "A", "4"}, {"2", "B", "8"}});
  design.checked.centre_count = 0;
  Generate(design);
  EXPECT_EQ(result_.outcome.checked.arm_count, 2);
  EXPECT_EQ(result_.outcome.checked.sample_size, 12);
  EXPECT_EQ(result_.outcome.checked.centre_count, 2);
}

TEST_F(GenerationChecks, SingleArmDrawsNothingInFixedMode) {
  StudyDesign design = MakeDesign({"1"}, "6", "31");
  testing::SetFixed(design, "3");
  EXPECT_EQ(testing::ArmPattern(Generate(design), "------- Block ------"), "1,1,1|1,1,1|");
  EXPECT_TRUE(sink_.Events().empty());
  // The shared table was never filled: a positive state word still starts from 1.
  ParkMillerShuffleGenerator fresh;
  std::int32_t state_a = 9;
  std::int32_t state_b = 9;
  EXPECT_EQ(generator_.Next(state_a), fresh.Next(state_b));
}

// Designs that cannot be drawn are refused before the first draw.
TEST_F(GenerationChecks, UndrawableDesignsAreRefused) {
  struct Case {
    const char* what;
    void (*spoil)(StudyDesign&);
    std::vector<Event> (*expected)(const MessageCatalogue&);
  };
  const Case cases[] = {
      {"ratio sum 0",
       [](StudyDesign& d) {
         d.arms.SetCell(kArmRatioColumn, 1, "0");
         d.arms.SetCell(kArmRatioColumn, 2, "0");
       },
       [](const MessageCatalogue& m) {
         return std::vector<Event>{Plain(m.Text(Message::MessageValidRatio))};
       }},
      {"negative ratio", [](StudyDesign& d) { d.arms.SetCell(kArmRatioColumn, 1, "-1"); },
       [](const MessageCatalogue& m) {
         return std::vector<Event>{Plain(m.Text(Message::MessageValidRatio))};
       }},
      {"fixed block size 0", [](StudyDesign& d) { d.fixed_block_size = "0"; },
       [](const MessageCatalogue& m) {
         return std::vector<Event>{Plain(m.Text(Message::MessageValidBlockSize))};
       }},
      {"negative fixed block size", [](StudyDesign& d) { d.fixed_block_size = "-4"; },
       [](const MessageCatalogue& m) {
         return std::vector<Event>{Plain(m.Text(Message::MessageValidBlockSize))};
       }},
      {"negative sample size", [](StudyDesign& d) { d.sample_size = "-12"; },
       [](const MessageCatalogue& m) {
         return std::vector<Event>{Plain(m.Text(Message::MessagePatientCount)),
                                   PageSwitch(Page::Design)};
       }},
      {"too many patients", [](StudyDesign& d) { d.sample_size = "10000001"; },
       [](const MessageCatalogue& m) {
         return std::vector<Event>{Plain(m.Text(Message::MessagePatientCount)),
                                   PageSwitch(Page::Design)};
       }},
      {"no arms", [](StudyDesign& d) { d.arm_count = "0"; },
       [](const MessageCatalogue& m) {
         return std::vector<Event>{Plain(m.Text(Message::MessageArmCount)),
                                   PageSwitch(Page::Design)};
       }},
      {"too many arms", [](StudyDesign& d) { d.arm_count = "65537"; },
       [](const MessageCatalogue& m) {
         return std::vector<Event>{Plain(m.Text(Message::MessageArmCount)),
                                   PageSwitch(Page::Design)};
       }},
      {"negative centre count",
       [](StudyDesign& d) {
         testing::SetCentres(d, {{"1", "A", "12"}});
         d.centre_count = "-1";
       },
       [](const MessageCatalogue& m) {
         return std::vector<Event>{Plain(m.Text(Message::MessageCenterCount))};
       }},
      {"too many centres",
       [](StudyDesign& d) {
         testing::SetCentres(d, {{"1", "A", "12"}});
         d.centre_count = "100001";
       },
       [](const MessageCatalogue& m) {
         return std::vector<Event>{Plain(m.Text(Message::MessageCenterCount))};
       }},
      {"negative centre size",
       [](StudyDesign& d) {
         testing::SetCentres(d, {{"1", "A", "-4"}});
       },
       [](const MessageCatalogue& m) {
         return std::vector<Event>{Plain(m.Text(Message::MessageCenterPatientCount))};
       }},
      {"too many patients in all centres",
       [](StudyDesign& d) {
         d.sample_size = "10000000";
         testing::SetCentres(d, {{"1", "A", "6000000"}, {"2", "B", "4000004"}});
       },
       [](const MessageCatalogue& m) {
         return std::vector<Event>{Plain(m.Text(Message::MessagePatientCount))};
       }},
  };
  for (const Case& c : cases) {
    StudyDesign design = Valid();
    c.spoil(design);
    sink_.Clear();
    EXPECT_EQ(Generate(design), "Studie\n") << c.what;
    EXPECT_EQ(sink_.Events(), c.expected(catalogue_)) << c.what;
  }
}

TEST_F(GenerationChecks, MinimumBelowRatioSumIsRefusedEvenWhenAccepted) {
  StudyDesign design = MakeDesign({"2", "1"}, "12", "8");  // R = 3
  testing::SetVariable(design, "2", "9");
  sink_.SetDefaultAnswer(false);
  EXPECT_EQ(Generate(design), "Studie\n");
  EXPECT_EQ(
      sink_.Events(),
      (std::vector<Event>{Question(Text(Message::MessageBlockSizeRatio), false),
                          Plain(Text(Message::MessageValidBlockSize)), PageSwitch(Page::Blocks)}));

  testing::SetVariable(design, "-6", "9");
  sink_.Clear();
  EXPECT_EQ(Generate(design), "Studie\n");
  EXPECT_EQ(sink_.Texts().back(), Text(Message::MessageValidBlockSize));
}

TEST_F(GenerationChecks, ListTextBeyondTheLimitIsRefused) {
  StudyDesign design = MakeDesign({"1", "1"}, "600000", "7");
  testing::SetFixed(design, "2");
  design.arms.SetCell(kArmDescriptionColumn, 2, std::string(2047, 'x'));
  EXPECT_EQ(Generate(design), "Studie\n");
  EXPECT_EQ(sink_.Events(), std::vector<Event>{Plain(Text(Message::MessagePatientCount))});

  design.arms.SetCell(kArmDescriptionColumn, 2, std::string(100, 'x'));
  sink_.Clear();
  Generate(design);
  EXPECT_TRUE(sink_.Events().empty());
  EXPECT_TRUE(result_.outcome.complete);
}

TEST_F(GenerationChecks, StudySizeBeyondTheLimitDoesNotMatterWithCentreLists) {
  StudyDesign design = Valid();
  design.sample_size = "20000000";
  testing::SetCentres(design, {{"1", "A", "8"}});
  Generate(design);
  EXPECT_TRUE(result_.outcome.complete);
  EXPECT_EQ(result_.drawn.lists.size(), 1u);
}

TEST_F(GenerationChecks, ABlockThatNoDrawCanFillEndsWithAMessage) {
  // 9,000,000 > 2^23: floor(u * B) never reaches the last position, which arm 1 would
  // have to take because the last arm's ratio is 0.
  StudyDesign design = MakeDesign({"1", "0"}, "9000000", "3");
  testing::SetFixed(design, "9000000");
  EXPECT_EQ(Generate(design), "Studie\nSeed: (3)\n");
  EXPECT_EQ(sink_.Events(), std::vector<Event>{Plain(Text(Message::MessageInvalidParameter))});
  EXPECT_FALSE(result_.outcome.complete);
}

TEST_F(GenerationChecks, TranslatedMessagesAreReadWhenShown) {
  StudyDesign design = Valid();
  design.arms.SetCell(kArmRatioColumn, 1, "x");
  catalogue_.Window().Find("MessageValidRatio")->caption = "Enter valid ratios!";
  Generate(design);
  EXPECT_EQ(sink_.Texts(), std::vector<std::string>{"Enter valid ratios!"});
}

}  // namespace
}  // namespace zufora
