// Allocation tables for data capture: the same allocations as the list text, row by row.
#include <gtest/gtest.h>

#include "CliFixture.h"

namespace zufora::cli {
namespace {

using testing::CliFixture;
using testing::Lines;

class AllocationTable : public CliFixture {
 protected:
  // (centre, arm) of each allocation line of the list text, in order.
  static std::vector<std::pair<std::string, std::string>> Allocations(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> allocations;
    std::string centre;
    for (const std::string& line : Lines(text)) {
      if (line.rfind("Zentrum ", 0) == 0) {
        centre = line.substr(8, line.find('\t') - 8);
      } else if (const auto tab = line.find('\t'); tab != std::string::npos && tab > 0) {
        allocations.emplace_back(centre, line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1));
      }
    }
    return allocations;
  }
};

TEST_F(AllocationTable, RedcapRowsFollowTheListWithCodesAndCentres) {
  const std::string design = Example("per-centre.zfd");
  const auto expected = Allocations(Cli({"generate", design}).out);
  ASSERT_EQ(expected.size(), 10u);

  const auto table = folder_ / "alloc.csv";
  const testing::CliRun run =
      Cli({"generate", design, "--format", "redcap", "--output", table.string(), "--arm-codes",
           "2=verum,1=placébo", "--centre-field", "site"});
  ASSERT_EQ(run.status, kExitComplete) << run.err;
  const std::string bytes = ReadBytes(table);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 11) << "every row ends with CR LF";
  const auto rows = Lines(bytes);
  ASSERT_EQ(rows.size(), 11u);
  EXPECT_EQ(rows[0], "redcap_randomization_group,site");
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const std::string code = expected[i].second == "1" ? "placébo" : "verum";
    EXPECT_EQ(rows[i + 1], code + "," + expected[i].first) << i;
  }

  // Arm numbers by default; a single list has no stratum column.
  const testing::CliRun single =
      Cli({"generate", Example("worked-example.zfd"), "--format", "redcap"});
  const auto single_rows = Lines(single.out);
  ASSERT_EQ(single_rows.size(), 13u);
  EXPECT_EQ(single_rows[0], "redcap_randomization_group");
  EXPECT_EQ(single_rows[1], "3");
  EXPECT_EQ(single_rows[2], "1");
}

TEST_F(AllocationTable, CsvNamesBlocksAndPositionsAndQuotesWhereNeeded) {
  const std::string design =
      Write("d.zfd",
            "[Design]\r\nName=S\r\nArme=2\r\nFallzahl=10\r\nMulticenter=0\r\n[Arme]\r\nAnzahl=2\r\n"
            "Beschr1=A, \"fast\"\r\nRatio1=1\r\nBeschr2=B\r\nRatio2=1\r\n[Bloecke]\r\nFix=0\r\n"
            "Von=2\r\nBis=6\r\n[Zufall]\r\nSeed=12345\r\n");
  const testing::CliRun run = Cli({"generate", design, "--format", "csv"});
  ASSERT_EQ(run.status, kExitComplete) << run.err;
  const auto rows = Lines(run.out);
  ASSERT_EQ(rows.size(), 11u);
  EXPECT_EQ(rows[0], "centre,patient,arm,arm_description,block,block_size,position_in_block");
  // Known list: block sizes 6, 2, 2; arms 2,2,2,1,1,1 | 1,2 | 1,2.
  EXPECT_EQ(rows[1], ",1,2,B,1,6,1");
  EXPECT_EQ(rows[4], ",4,1,\"A, \"\"fast\"\"\",1,6,4");
  EXPECT_EQ(rows[6], ",6,1,\"A, \"\"fast\"\"\",1,6,6");
  EXPECT_EQ(rows[7], ",7,1,\"A, \"\"fast\"\"\",2,2,1");
  EXPECT_EQ(rows[10], ",10,2,B,3,2,2");
}

TEST_F(AllocationTable, ArmCodesMustNameEveryArmOnce) {
  const std::string design = Example("per-centre.zfd");
  for (const char* codes : {"1=a", "1=a,2=a", "1=a,2=b,3=c"}) {
    const testing::CliRun run =
        Cli({"generate", design, "--format", "redcap", "--arm-codes", codes});
    EXPECT_EQ(run.status, kExitFailure) << codes;
    EXPECT_NE(run.err.find("--arm-codes"), std::string::npos) << codes;
    EXPECT_EQ(run.out, "") << codes;
  }
  for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{
           {"generate", design, "--format", "redcap", "--arm-codes", "1=a,1=b"},
           {"generate", design, "--format", "redcap", "--arm-codes", "x=a"},
           {"generate", design, "--arm-codes", "1=a,2=b"},
           {"generate", design, "--format", "xml"}}) {
    EXPECT_EQ(Cli(wrong).status, kExitFailure);
  }
}

}  // namespace
}  // namespace zufora::cli
