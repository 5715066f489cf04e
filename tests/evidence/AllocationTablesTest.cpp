// Allocation tables: one row per patient, numbered as the blocks run, quoted where CSV
// needs it, handed on in whole rows.
#include "evidence/AllocationTables.h"

#include <gtest/gtest.h>

#include "support/DesignBuilder.h"

namespace zufora {
namespace {

class Parts : public ListTextSink {
 public:
  void Write(std::string_view whole_lines) override {
    EXPECT_EQ(whole_lines.substr(whole_lines.size() - 2), "\r\n") << "a part ends inside a row";
    text += whole_lines;
    ++parts;
  }
  std::string text;
  int parts = 0;
};

StudyDesign Design() {
  StudyDesign design = testing::MakeDesign({"1", "1"}, "10", "1");
  design.arms.SetCell(kArmDescriptionColumn, 1, "A, \"fast\"");
  design.arms.SetCell(kArmDescriptionColumn, 2, "B");
  testing::SetCentres(design, {{"N,1", "Nord", "3"},
                               {"7",
                                "S\xFC"
                                "d",
                                "2"}});
  return design;
}

// Two centre lists: blocks 2 and 1 handed on in two parts, then a block of 2.
void HandOnTwoLists(ListConsumer& consumer) {
  const std::int32_t first_arms[] = {2, 1};
  const std::int32_t first_sizes[] = {2};
  const std::int32_t second_arms[] = {1};
  const std::int32_t second_sizes[] = {1};
  const std::int32_t other_arms[] = {1, 2};
  const std::int32_t other_sizes[] = {2};
  RandomizationList list;
  list.centre = 1;
  consumer.Title("S");
  consumer.BeginList(list);
  consumer.Blocks(1, first_arms, first_sizes);
  consumer.Blocks(3, second_arms, second_sizes);
  list.centre = 2;
  consumer.BeginList(list);
  consumer.Blocks(1, other_arms, other_sizes);
}

TEST(AllocationTables, CsvCountsBlocksPerListAndQuotesWhereNeeded) {
  const StudyDesign design = Design();
  Parts parts;
  CsvAllocationTable table(design, parts);
  AllocationRows rows(table);
  HandOnTwoLists(rows);
  table.Finish();
  EXPECT_EQ(parts.text,
            "centre,patient,arm,arm_description,block,block_size,position_in_block\r\n"
            "\"N,1\",1,2,B,1,2,1\r\n"
            "\"N,1\",2,1,\"A, \"\"fast\"\"\",1,2,2\r\n"
            "\"N,1\",3,1,\"A, \"\"fast\"\"\",2,1,1\r\n"
            "7,1,1,\"A, \"\"fast\"\"\",1,2,1\r\n"
            "7,2,2,B,1,2,2\r\n");
}

TEST(AllocationTables, RedcapGivesCodesAndTheCentreAsStratum) {
  const StudyDesign design = Design();
  Parts parts;
  RedcapAllocationTable table(design, {{1, "pla,cebo"}}, "site \"x\"", parts);
  AllocationRows rows(table);
  HandOnTwoLists(rows);
  table.Finish();
  EXPECT_EQ(parts.text,
            "redcap_randomization_group,\"site \"\"x\"\"\"\r\n"
            "2,\"N,1\"\r\n"
            "\"pla,cebo\",\"N,1\"\r\n"
            "\"pla,cebo\",\"N,1\"\r\n"
            "\"pla,cebo\",7\r\n"
            "2,7\r\n");
}

TEST(AllocationTables, RedcapWithoutCentreListsHasNoStratumColumn) {
  StudyDesign design = Design();
  design.per_centre_lists = false;
  Parts parts;
  RedcapAllocationTable table(design, {}, "site", parts);
  AllocationRows rows(table);
  RandomizationList list;
  rows.BeginList(list);
  const std::int32_t arms[] = {2, 1, 1};
  const std::int32_t sizes[] = {3};
  rows.Blocks(1, arms, sizes);
  table.Finish();
  EXPECT_EQ(parts.text, "redcap_randomization_group\r\n2\r\n1\r\n1\r\n");
}

TEST(AllocationTables, LongTablesGoOutInPartsOfWholeRows) {
  const StudyDesign design = Design();
  Parts parts;
  CsvAllocationTable table(design, parts);
  AllocationRows rows(table);
  RandomizationList list;
  rows.BeginList(list);
  const std::vector<std::int32_t> arms(20000, 2);
  const std::vector<std::int32_t> sizes(10000, 2);
  rows.Blocks(1, arms, sizes);
  table.Finish();
  EXPECT_GT(parts.parts, 3);
  // Header, then ",N,2,B,BLOCK,2,POSITION" for patients 1..20000.
  std::size_t expected = 71;
  for (std::int64_t patient = 1; patient <= 20000; ++patient) {
    expected += std::to_string(patient).size() + std::to_string((patient + 1) / 2).size() + 12;
  }
  EXPECT_EQ(parts.text.size(), expected);
  EXPECT_EQ(parts.text.substr(parts.text.size() - 22), ",20000,2,B,10000,2,2\r\n");
}

TEST(AllocationTables, ArmCodesMustNameEveryArmOnce) {
  using Kind = ArmCodeProblem::Kind;
  EXPECT_FALSE(FindArmCodeProblem({{1, "a"}, {2, "b"}}, 2));
  EXPECT_FALSE(FindArmCodeProblem({}, 0));
  const auto missing = FindArmCodeProblem({{1, "a"}, {3, "c"}}, 3);
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->kind, Kind::kMissing);
  EXPECT_EQ(missing->arm, 2);
  const auto twice = FindArmCodeProblem({{1, "a"}, {2, "b"}, {3, "a"}}, 3);
  ASSERT_TRUE(twice);
  EXPECT_EQ(twice->kind, Kind::kTwice);
  EXPECT_EQ(twice->code, "a");
  const auto beyond = FindArmCodeProblem({{1, "a"}, {2, "b"}, {5, "e"}}, 2);
  ASSERT_TRUE(beyond);
  EXPECT_EQ(beyond->kind, Kind::kBeyond);
  EXPECT_EQ(beyond->arm, 5);
}

TEST(CsvField, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(CsvField("plain text"), "plain text");
  EXPECT_EQ(CsvField(""), "");
  EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
  EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
  EXPECT_EQ(CsvField("cr\r"), "\"cr\r\"");
}

}  // namespace
}  // namespace zufora
