// Allocation tables: one row per patient, numbered as the blocks run, quoted where CSV
// needs it, handed on in whole rows.
#include "evidence/AllocationTables.h"
#include "evidence/ListOutput.h"
#include "evidence/RedcapRules.h"

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
            "centre,patient,arm,arm_description,block,block_size,position_in_block,stratum,"
            "list_seed\r\n"
            "\"N,1\",1,2,B,1,2,1,1,0\r\n"
            "\"N,1\",2,1,\"A, \"\"fast\"\"\",1,2,2,1,0\r\n"
            "\"N,1\",3,1,\"A, \"\"fast\"\"\",2,1,1,1,0\r\n"
            "7,1,1,\"A, \"\"fast\"\"\",1,2,1,2,0\r\n"
            "7,2,2,B,1,2,2,2,0\r\n");
}

TEST(AllocationTables, RedcapFollowsTheTemplateOrderWithCodesFieldAndGroups) {
  StudyDesign design = Design();
  design.centres.SetCell(kCentreNumberColumn, 1, "N_1");
  Parts parts;
  RedcapTableRequest request;
  request.arm_codes = {{1, "-1"}, {2, "verum"}};
  request.centre_field = "site";
  request.group_ids = {{"N_1", 4}, {"7", 12}};
  ASSERT_FALSE(RedcapTableProblem(design, request));
  RedcapAllocationTable table(design, request, parts);
  AllocationRows rows(table);
  HandOnTwoLists(rows);
  table.Finish();
  // A negative integer code is a plain code REDCap needs as it stands: no quote before it.
  EXPECT_EQ(parts.text,
            "redcap_randomization_number,redcap_randomization_group,site,"
            "redcap_data_access_group\r\n"
            ",verum,N_1,4\r\n"
            ",-1,N_1,4\r\n"
            ",-1,N_1,4\r\n"
            ",-1,7,12\r\n"
            ",verum,7,12\r\n");
  EXPECT_EQ(table.Rows(), 5);
}

// The number column's content comes from a source of its own when there is one.
TEST(AllocationTables, RedcapNumbersComeFromTheirSource) {
  class Numbers : public RandomizationNumbers {
   public:
    std::string NumberOf(const AllocationRow& row) override {
      return "R" + std::to_string(row.row * 10) + (row.centre ? "c" : "");
    }
  } numbers;
  StudyDesign design = Design();
  design.per_centre_lists = false;
  Parts parts;
  RedcapTableRequest request;
  request.numbers = &numbers;
  RedcapAllocationTable table(design, request, parts);
  AllocationRows rows(table);
  RandomizationList list;
  rows.BeginList(list);
  const std::int32_t arms[] = {2, 1, 1};
  const std::int32_t sizes[] = {3};
  rows.Blocks(1, arms, sizes);
  table.Finish();
  EXPECT_EQ(parts.text,
            "redcap_randomization_number,redcap_randomization_group\r\n"
            "R10,2\r\nR20,1\r\nR30,1\r\n");
}

// Two strata of a stratified design without centres (factors sex w/m, then age 1/2/3
// with the codes "y", "=m", "o"): their rows carry the stratum, the level codes under
// the factors' field names and the list's seed.
void HandOnTwoStrata(ListConsumer& consumer) {
  const std::int32_t arms[] = {2, 1};
  const std::int32_t sizes[] = {2};
  RandomizationList list;
  consumer.Title("S");
  list.stratum = 2;
  list.levels = {0, 1};
  list.seed = 77;
  consumer.BeginList(list);
  consumer.Blocks(1, arms, sizes);
  list.stratum = 6;
  list.levels = {1, 2};
  list.seed = 2147483646;
  consumer.BeginList(list);
  consumer.Blocks(1, arms, sizes);
}

StudyDesign StratifiedDesign() {
  StudyDesign design = Design();
  design.per_centre_lists = false;
  testing::SetStrata(design, {testing::Factor("Sex", "sex", {"female", "male"}),
                              testing::Factor("Age", "Age_Group", {"young", "mid", "old"})});
  design.factors[0].levels = {{"w", "female"}, {"m", "male"}};
  design.factors[1].levels = {{"y", "young"}, {"=m", "mid"}, {"o", "old"}};
  return design;
}

TEST(AllocationTables, StratifiedRowsCarryStratumLevelCodesAndSeed) {
  const StudyDesign design = StratifiedDesign();
  ASSERT_FALSE(CsvTableProblem(design));
  Parts parts;
  CsvAllocationTable table(design, parts);
  AllocationRows rows(table);
  HandOnTwoStrata(rows);
  table.Finish();
  EXPECT_EQ(parts.text,
            "centre,patient,arm,arm_description,block,block_size,position_in_block,stratum,"
            "sex,Age_Group,list_seed\r\n"
            ",1,2,B,1,2,1,2,w,\"'=m\",77\r\n"
            ",2,1,\"A, \"\"fast\"\"\",1,2,2,2,w,\"'=m\",77\r\n"
            ",1,2,B,1,2,1,6,m,o,2147483646\r\n"
            ",2,1,\"A, \"\"fast\"\"\",1,2,2,6,m,o,2147483646\r\n");

  // REDCap: the factors after the group, before the centre field and the groups.
  StudyDesign centred = StratifiedDesign();
  centred.factors[1].field = "age_group";
  centred.factors[1].levels[1].code = "-3";
  centred.per_centre_lists = true;
  centred.centres.SetCell(kCentreNumberColumn, 1, "N1");
  RedcapTableRequest request;
  request.centre_field = "site";
  request.group_ids = {{"N1", 4}, {"7", 12}};
  ASSERT_FALSE(RedcapTableProblem(centred, request));
  Parts redcap_parts;
  RedcapAllocationTable redcap(centred, request, redcap_parts);
  AllocationRows redcap_rows(redcap);
  RandomizationList list;
  redcap_rows.Title("S");
  list.centre = 2;
  list.stratum = 12;
  list.levels = {1, 1};
  redcap_rows.BeginList(list);
  const std::int32_t arms[] = {1};
  const std::int32_t sizes[] = {1};
  redcap_rows.Blocks(1, arms, sizes);
  redcap.Finish();
  EXPECT_EQ(redcap_parts.text,
            "redcap_randomization_number,redcap_randomization_group,sex,age_group,site,"
            "redcap_data_access_group\r\n"
            ",1,m,-3,7,12\r\n");
}

// Without factors the stratum counts the lists: 1 for the single list, the centres' in order.
TEST(AllocationTables, ListsWithoutFactorsAreCountedAsStrata) {
  StudyDesign design = Design();
  testing::SetStrata(design, {testing::Factor("Sex", "sex", {"f", "m"})});
  design.stratified = false;  // factors kept, stratification off: no factor columns
  Parts parts;
  CsvAllocationTable table(design, parts);
  AllocationRows rows(table);
  HandOnTwoLists(rows);
  table.Finish();
  EXPECT_EQ(parts.text.substr(0, parts.text.find("\r\n")),
            "centre,patient,arm,arm_description,block,block_size,position_in_block,stratum,"
            "list_seed");
  EXPECT_NE(parts.text.find("\r\n7,2,2,B,1,2,2,2,0\r\n"), std::string::npos) << parts.text;
}

TEST(AllocationTables, FactorFieldsMustNotBeAnotherColumnsName) {
  StudyDesign design = StratifiedDesign();
  for (const char* taken : {"stratum", "List_Seed", "patient", "CENTRE", "sex"}) {
    design.factors[1].field = taken;
    const auto problem = CsvTableProblem(design);
    ASSERT_TRUE(problem) << taken;
    EXPECT_NE(problem->find(std::string("\"") + taken + "\" of the factor \"Age\""),
              std::string::npos)
        << *problem;
  }
  design.factors[1].field = "stratum_2";
  EXPECT_FALSE(CsvTableProblem(design));
  design.stratified = false;  // the factors give no columns then
  design.factors[1].field = "stratum";
  EXPECT_FALSE(CsvTableProblem(design));
}

// A table's number column, the CSV table's first and the site list's, comes from its source;
// the site list names no arm and no block.
TEST(AllocationTables, NumberedTablesAndTheSiteList) {
  class Numbers : public RandomizationNumbers {
   public:
    std::string NumberOf(const AllocationRow& row) override {
      return "R-" + std::to_string(row.row * 7);
    }
  } numbers;
  const StudyDesign design = StratifiedDesign();
  Parts csv_parts;
  CsvAllocationTable csv(design, csv_parts, &numbers);
  AllocationRows csv_rows(csv);
  HandOnTwoStrata(csv_rows);
  csv.Finish();
  EXPECT_EQ(csv_parts.text.substr(0, csv_parts.text.find("\r\n") + 23),
            "number,centre,patient,arm,arm_description,block,block_size,position_in_block,"
            "stratum,sex,Age_Group,list_seed\r\n"
            "R-7,,1,2,B,1,2,1,2,w,");
  EXPECT_NE(csv_parts.text.find("\r\nR-28,,2,1,"), std::string::npos) << csv_parts.text;

  Parts site_parts;
  BlindedAllocationTable site(design, numbers, site_parts);
  AllocationRows site_rows(site);
  HandOnTwoStrata(site_rows);
  site.Finish();
  EXPECT_EQ(site_parts.text,
            "number,stratum,centre,sex,sex_label,Age_Group,Age_Group_label\r\n"
            "R-7,2,,w,female,\"'=m\",mid\r\n"
            "R-14,2,,w,female,\"'=m\",mid\r\n"
            "R-21,6,,m,male,o,old\r\n"
            "R-28,6,,m,male,o,old\r\n");
  EXPECT_FALSE(BlindedTableProblem(design));
  StudyDesign clash = design;
  clash.factors[0].field = "Age_Group_Label";  // the label column of the other factor
  ASSERT_TRUE(BlindedTableProblem(clash));
  EXPECT_NE(BlindedTableProblem(clash)->find("\"Age_Group\" of the factor \"Age\""),
            std::string::npos)
      << *BlindedTableProblem(clash);
  EXPECT_FALSE(CsvTableProblem(clash));  // the CSV table has no label columns
  clash.factors[0].field = "Number";
  EXPECT_TRUE(BlindedTableProblem(clash));
  EXPECT_TRUE(CsvTableProblem(clash, true));
  EXPECT_FALSE(CsvTableProblem(clash, false));
}

TEST(AllocationTables, TheHeaderRowTellsTheFormat) {
  EXPECT_EQ(FormatOfFirstLine(kCsvTableHeader), OutputFormat::kCsv);  // earlier versions'
  EXPECT_EQ(FormatOfFirstLine(std::string(kCsvTableHeader) + ",stratum,sex,list_seed"),
            OutputFormat::kCsv);
  EXPECT_EQ(FormatOfFirstLine(std::string("number,") + kCsvTableHeader + ",stratum,list_seed"),
            OutputFormat::kCsv);
  EXPECT_EQ(FormatOfFirstLine("number,stratum,centre,sex,sex_label"), OutputFormat::kBlinded);
  EXPECT_EQ(FormatOfFirstLine("number,stratum,centre"), OutputFormat::kBlinded);
  EXPECT_EQ(FormatOfFirstLine("redcap_randomization_number,redcap_randomization_group"),
            OutputFormat::kRedcap);
  EXPECT_EQ(FormatOfFirstLine("number,patient"), OutputFormat::kList);
  EXPECT_EQ(FormatOfFirstLine("Beispielstudie"), OutputFormat::kList);
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
  // Header, then ",N,2,B,BLOCK,2,POSITION,1,0" for patients 1..20000.
  std::size_t expected = 89;
  for (std::int64_t patient = 1; patient <= 20000; ++patient) {
    expected += std::to_string(patient).size() + std::to_string((patient + 1) / 2).size() + 16;
  }
  EXPECT_EQ(parts.text.size(), expected);
  EXPECT_EQ(parts.text.substr(parts.text.size() - 26), ",20000,2,B,10000,2,2,1,0\r\n");
}

TEST(CsvField, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(CsvField("plain text"), "plain text");
  EXPECT_EQ(CsvField(""), "");
  EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
  EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
  EXPECT_EQ(CsvField("cr\r"), "\"cr\r\"");
}

// A cell a spreadsheet would run as a formula gets a quote before it and is quoted.
TEST(CsvField, NeutralisesWhatASpreadsheetWouldRun) {
  EXPECT_EQ(CsvField("=HYPERLINK(\"x\")"), "\"'=HYPERLINK(\"\"x\"\")\"");
  EXPECT_EQ(CsvField("+1"), "\"'+1\"");
  EXPECT_EQ(CsvField("-2+3"), "\"'-2+3\"");
  EXPECT_EQ(CsvField("@SUM(A1)"), "\"'@SUM(A1)\"");
  EXPECT_EQ(CsvField("\tx"), "\"'\tx\"");
  EXPECT_EQ(CsvField("\rx"), "\"'\rx\"");
  EXPECT_EQ(CsvField("a=b"), "a=b");
  EXPECT_EQ(CsvField("'=x"), "'=x");
}

TEST(AllocationTables, CsvCellsFromTheDesignCannotRunAsFormulas) {
  StudyDesign design = Design();
  design.arms.SetCell(kArmDescriptionColumn, 1, "=cmd|' /C calc'!A0");
  design.centres.SetCell(kCentreNumberColumn, 1, "@1");
  Parts parts;
  CsvAllocationTable table(design, parts);
  AllocationRows rows(table);
  HandOnTwoLists(rows);
  table.Finish();
  // Read back as a spreadsheet reads CSV: no field begins with a formula character.
  std::size_t start = 0;
  while (start < parts.text.size()) {
    const std::size_t end = parts.text.find("\r\n", start);
    const std::string row = parts.text.substr(start, end - start);
    start = end + 2;
    bool quoted = false;
    bool field_start = true;
    for (const char c : row) {
      if (field_start && !quoted) {
        EXPECT_EQ(std::string("=+-@").find(c), std::string::npos) << row;
      }
      field_start = false;
      if (c == '"') {
        quoted = !quoted;
        field_start = quoted;  // the first character inside the quotes
      } else if (c == ',' && !quoted) {
        field_start = true;
      }
    }
  }
  EXPECT_NE(parts.text.find("\"'@1\",2,1,\"'=cmd|' /C calc'!A0\",1,2,2"), std::string::npos)
      << parts.text;
}

}  // namespace
}  // namespace zufora
