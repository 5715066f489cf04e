#include "random/ListText.h"

#include <gtest/gtest.h>

#include "DesignBuilder.h"
#include "random/ListExport.h"

namespace zufora {
namespace {

// A hand-made result, so that the text alone is under test.
GenerationResult SingleList(std::int32_t seed) {
  GenerationResult result;
  result.study_name = "Studie X";
  RandomizationList& list = result.lists.emplace_back();
  list.seed = seed;
  list.planned_patients = 3;
  list.block_sizes = {2, 1};
  list.allocations = {{1, 2, false}, {2, 1, true}, {3, 2, true}};
  result.complete = true;
  return result;
}

GenerationResult CentreLists() {
  GenerationResult result;
  result.study_name = "Multi";
  RandomizationList& first = result.lists.emplace_back();
  first.centre = 1;
  first.seed = 773724032;
  first.allocations = {{1, 1, false}, {2, 2, true}};
  RandomizationList& second = result.lists.emplace_back();
  second.centre = 2;
  second.seed = 1659940736;
  return result;
}

StudyDesign TwoArms() {
  StudyDesign design = testing::MakeDesign({"1", "1"}, "3", "1");
  design.arms.SetCell(kArmDescriptionColumn, 1, "Verum");
  design.arms.SetCell(kArmDescriptionColumn, 2, "");
  testing::SetCentres(design, {{"N-1", "Klinik Nord", "2"}, {"", "", "0"}});
  return design;
}

TEST(ListText, SingleListWithBothOptions) {
  EXPECT_EQ(RenderListText(SingleList(42), TwoArms(), ListTextOptions{}),
            "Studie X\nSeed: (42)\n1\t2\t\n2\t1\tVerum\n------- Block ------\n3\t2\t\n"
            "------- Block ------\n");
}

TEST(ListText, BothOptionsOffLeaveAnEmptySecondLine) {
  const ListTextOptions options{.mark_blocks = false, .show_seed = false};
  EXPECT_EQ(RenderListText(SingleList(42), TwoArms(), options),
            "Studie X\n\n1\t2\t\n2\t1\tVerum\n3\t2\t\n");
}

TEST(ListText, SeparatorAndCentreWordComeFromTheCaller) {
  const ListTextOptions options{.block_separator = "------- Bloque ------",
                                .center_caption = "Centre"};
  const std::string text = RenderListText(CentreLists(), TwoArms(), options);
  EXPECT_EQ(text,
            "Multi\n"
            "Centre N-1\tKlinik Nord - Seed: (773724032)\n"
            "1\t1\tVerum\n2\t2\t\n------- Bloque ------\n"
            "Centre \t - Seed: (1659940736)\n");
}

TEST(ListText, CentreHeadingsWithoutSeed) {
  const ListTextOptions options{.show_seed = false};
  const std::string text = RenderListText(CentreLists(), TwoArms(), options);
  EXPECT_EQ(text.substr(0, text.find('\n', 6) + 1), "Multi\nZentrum N-1\tKlinik Nord\n");
}

TEST(ListText, ItsSizeIsKnownExactlyBeforehand) {
  GenerationResult negative = SingleList(-2147483647 - 1);
  const StudyDesign design = TwoArms();
  for (const GenerationResult& result : {SingleList(42), negative, CentreLists()}) {
    for (const bool marks : {false, true}) {
      for (const bool seeds : {false, true}) {
        const ListTextOptions options{.mark_blocks = marks,
                                      .show_seed = seeds,
                                      .block_separator = std::string(40, '-'),
                                      .center_caption = "Centro lungo"};
        EXPECT_EQ(ListTextSize(result, design, options),
                  RenderListText(result, design, options).size());
      }
    }
  }
}

TEST(ListText, EmptyStudyNameGivesAnEmptyFirstLine) {
  GenerationResult result = SingleList(7);
  result.study_name.clear();
  EXPECT_EQ(RenderListText(result, TwoArms(), ListTextOptions{}).substr(0, 12), "\nSeed: (7)\n1");
}

TEST(ListText, EarlyEndsOfAGeneration) {
  GenerationResult checks_failed;
  checks_failed.study_name = "S";
  EXPECT_EQ(RenderListText(checks_failed, TwoArms(), ListTextOptions{}), "S\n");

  GenerationResult no_block_sizes = SingleList(9);
  no_block_sizes.lists[0].block_sizes.clear();
  no_block_sizes.lists[0].allocations.clear();
  EXPECT_EQ(RenderListText(no_block_sizes, TwoArms(), ListTextOptions{}), "Studie X\nSeed: (9)\n");

  GenerationResult emptied = SingleList(9);
  emptied.leaves_list_empty = true;
  EXPECT_EQ(RenderListText(emptied, TwoArms(), ListTextOptions{}), "");
}

TEST(ListExport, EveryLineEndsWithCarriageReturnLineFeed) {
  EXPECT_EQ(ExportBytes("Studie\nSeed: (1)\n1\t1\tA\n"), "Studie\r\nSeed: (1)\r\n1\t1\tA\r\n");
  EXPECT_EQ(ExportBytes("ohne Zeilenende"), "ohne Zeilenende\r\n");
  EXPECT_EQ(ExportBytes(""), "");
  EXPECT_EQ(ExportBytes("\n"), "\r\n");
  EXPECT_EQ(ExportBytes("a\n\nb"), "a\r\n\r\nb\r\n");
}

TEST(ListExport, AnyLineBreakOfAnEditedTextBecomesOne) {
  EXPECT_EQ(ExportBytes("a\r\nb\rc\n"), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(ExportBytes("a\r"), "a\r\n");
}

TEST(ListExport, BytesPassUnchanged) {
  const std::string cp1252 =
      "Gr\xF6\xDF"
      "e\t\x80\n";
  EXPECT_EQ(ExportBytes(cp1252),
            "Gr\xF6\xDF"
            "e\t\x80\r\n");
  EXPECT_NE(ExportBytes(cp1252).substr(0, 3), "\xEF\xBB\xBF");
}

}  // namespace
}  // namespace zufora
