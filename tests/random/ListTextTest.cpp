#include "random/ListText.h"

#include <gtest/gtest.h>

#include "random/ListExport.h"
#include "support/DesignBuilder.h"

namespace zufora {
namespace {

// Hand-made lists, so that the text alone is under test.
DrawnLists SingleList(std::int32_t seed) {
  DrawnLists lists;
  lists.study_name = "Studie X";
  RandomizationList& list = lists.lists.emplace_back();
  list.seed = seed;
  list.planned_patients = 3;
  list.block_sizes = {2, 1};
  list.arms = {2, 1, 2};
  return lists;
}

DrawnLists CentreLists() {
  DrawnLists lists;
  lists.study_name = "Multi";
  RandomizationList& first = lists.lists.emplace_back();
  first.centre = 1;
  first.seed = 773724032;
  first.block_sizes = {2};
  first.arms = {1, 2};
  RandomizationList& second = lists.lists.emplace_back();
  second.centre = 2;
  second.seed = 1659940736;
  return lists;
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

TEST(ListText, ItsSizeIsTheLengthOfTheText) {
  const DrawnLists negative = SingleList(-2147483647 - 1);
  const StudyDesign design = TwoArms();
  for (const DrawnLists& lists : {SingleList(42), negative, CentreLists()}) {
    for (const bool marks : {false, true}) {
      for (const bool seeds : {false, true}) {
        const ListTextOptions options{.mark_blocks = marks,
                                      .show_seed = seeds,
                                      .block_separator = std::string(40, '-'),
                                      .center_caption = "Centro lungo"};
        EXPECT_EQ(ListTextSize(lists, design, options),
                  RenderListText(lists, design, options).size());
      }
    }
  }
  EXPECT_EQ(ListTextSize(SingleList(42), design, ListTextOptions{}), 82u);
}

TEST(ListText, EmptyStudyNameGivesAnEmptyFirstLine) {
  DrawnLists lists = SingleList(7);
  lists.study_name.clear();
  EXPECT_EQ(RenderListText(lists, TwoArms(), ListTextOptions{}).substr(0, 12), "\nSeed: (7)\n1");
}

TEST(ListText, EarlyEndsOfAGeneration) {
  DrawnLists checks_failed;
  checks_failed.study_name = "S";
  EXPECT_EQ(RenderListText(checks_failed, TwoArms(), ListTextOptions{}), "S\n");

  DrawnLists no_block_sizes = SingleList(9);
  no_block_sizes.lists[0].block_sizes.clear();
  no_block_sizes.lists[0].arms.clear();
  EXPECT_EQ(RenderListText(no_block_sizes, TwoArms(), ListTextOptions{}), "Studie X\nSeed: (9)\n");

  DrawnLists cut_short = SingleList(9);
  cut_short.lists[0].arms.pop_back();
  EXPECT_EQ(RenderListText(cut_short, TwoArms(), ListTextOptions{}),
            "Studie X\nSeed: (9)\n1\t2\t\n2\t1\tVerum\n------- Block ------\n");

  DrawnLists emptied = SingleList(9);
  emptied.leaves_list_empty = true;
  EXPECT_EQ(RenderListText(emptied, TwoArms(), ListTextOptions{}), "");
  EXPECT_EQ(ListTextSize(emptied, TwoArms(), ListTextOptions{}), 0u);
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
