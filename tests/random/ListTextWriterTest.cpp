// The list text written while the lists are drawn must be the text of the finished
// result, byte for byte, handed on in parts that end at line ends.
#include "random/ListTextWriter.h"

#include <gtest/gtest.h>

#include "DesignBuilder.h"
#include "lang/MessageCatalogue.h"
#include "random/ListGenerator.h"
#include "support/RecordingMessageSink.h"

namespace zufora {
namespace {

class PartsSink : public ListTextSink {
 public:
  void Write(std::string_view whole_lines) override {
    EXPECT_FALSE(whole_lines.empty());
    EXPECT_EQ(whole_lines.back(), '\n') << "a part ends inside a line";
    text += whole_lines;
    ++parts;
  }
  std::string text;
  int parts = 0;
};

struct BothWays {
  std::string whole;
  std::string streamed;
  int parts = 0;
  std::vector<testing::RecordingMessageSink::Event> whole_events;
  std::vector<testing::RecordingMessageSink::Event> streamed_events;
};

BothWays Draw(const StudyDesign& prototype, const ListTextOptions& options = {}) {
  const MessageCatalogue catalogue;
  BothWays both;
  {
    StudyDesign design = prototype;
    testing::RecordingMessageSink sink;
    sink.SetDefaultAnswer(false);
    ParkMillerShuffleGenerator generator;
    const GenerationResult result = GenerateLists(design, catalogue, sink, generator);
    both.whole = RenderListText(result, design, options);
    both.whole_events = sink.Events();
  }
  StudyDesign design = prototype;
  testing::RecordingMessageSink sink;
  sink.SetDefaultAnswer(false);
  ParkMillerShuffleGenerator generator;
  PartsSink parts;
  ListTextWriter writer(design, options, parts);
  ListGenerator(design, catalogue, sink, generator).Generate(writer);
  writer.Finish();
  both.streamed = parts.text;
  both.parts = parts.parts;
  both.streamed_events = sink.Events();
  return both;
}

TEST(ListTextWriter, GivesTheTextOfTheFinishedResult) {
  StudyDesign variable = testing::MakeDesign({"1", "1"}, "20000", "12345");
  testing::SetVariable(variable, "4", "8");
  StudyDesign unequal = testing::MakeDesign({"1", "2", "0", "3"}, "6000", "7");
  testing::SetFixed(unequal, "12");
  // A description longer than the fixed moves, one empty, and one cp1252 character.
  unequal.arms.SetCell(kArmDescriptionColumn, 1, std::string(70, 'x'));
  unequal.arms.SetCell(kArmDescriptionColumn, 2, "");
  unequal.arms.SetCell(kArmDescriptionColumn, 4, "Dosis \xE4");
  StudyDesign centres = testing::MakeDesign({"1", "1"}, "10", "4711");
  testing::SetFixed(centres, "2");
  testing::SetCentres(centres, {{"1", "Nord", "1002"}, {"2", "S\xFC"
                                                              "d",
                                                        "0"},
                                {"C-3", std::string(3000, 'k'), "98"}});
  StudyDesign undrawable = testing::MakeDesign({"1", "1"}, "8", "5");
  testing::SetVariable(undrawable, "4", "5");
  StudyDesign one_big_block = testing::MakeDesign({"1", "1", "1"}, "99999", "3");
  testing::SetFixed(one_big_block, "99999");

  const ListTextOptions translated{.block_separator = "------- Bloque ------",
                                   .center_caption = "Centro"};
  const ListTextOptions plain{.mark_blocks = false, .show_seed = false};
  for (const StudyDesign* design : {&variable, &unequal, &centres, &undrawable, &one_big_block}) {
    for (const ListTextOptions* options : {&translated, &plain}) {
      const BothWays both = Draw(*design, *options);
      ASSERT_EQ(both.streamed, both.whole);
      EXPECT_EQ(both.streamed_events, both.whole_events);
    }
  }
  EXPECT_GT(Draw(variable).parts, 2) << "a long list goes out in several parts";
}

TEST(ListTextWriter, EarlyEndsWriteWhatTheWindowShows) {
  StudyDesign unchecked = testing::MakeDesign({"1", "x"}, "10", "1");
  testing::SetFixed(unchecked, "2");
  EXPECT_EQ(Draw(unchecked).streamed, "Studie\n");

  StudyDesign no_centres = testing::MakeDesign({"1", "1"}, "10", "1");
  testing::SetFixed(no_centres, "2");
  testing::SetCentres(no_centres, {});
  const BothWays empty = Draw(no_centres);
  EXPECT_EQ(empty.streamed, "");
  EXPECT_EQ(empty.parts, 0);
}

}  // namespace
}  // namespace zufora
