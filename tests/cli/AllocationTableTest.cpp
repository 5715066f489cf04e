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

TEST_F(AllocationTable, RedcapRowsFollowTheTemplateWithCodesAndGroupIds) {
  const std::string design = Example("per-centre.zfd");
  const auto expected = Allocations(Cli({"generate", design}).out);
  ASSERT_EQ(expected.size(), 10u);

  const auto table = folder_ / "alloc.csv";
  const testing::CliRun run =
      Cli({"generate", design, "--format", "redcap", "--output", table.string(), "--arm-codes",
           "2=verum,1=-1", "--dag-ids", "101=3,102=17"});
  ASSERT_EQ(run.status, kExitComplete) << run.err;
  const std::string bytes = ReadBytes(table);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 11) << "every row ends with CR LF";
  const auto rows = Lines(bytes);
  ASSERT_EQ(rows.size(), 11u);
  EXPECT_EQ(rows[0],
            "redcap_randomization_number,redcap_randomization_group,redcap_data_access_group");
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const std::string code = expected[i].second == "1" ? "-1" : "verum";
    const std::string group = expected[i].first == "101" ? "3" : "17";
    EXPECT_EQ(rows[i + 1], "," + code + "," + group) << i;
  }

  // A field of its own for the centres: its codes are the centre numbers.
  const testing::CliRun field =
      Cli({"generate", design, "--format", "redcap", "--centre-field", "site"});
  ASSERT_EQ(field.status, kExitComplete) << field.err;
  const auto field_rows = Lines(field.out);
  EXPECT_EQ(field_rows[0], "redcap_randomization_number,redcap_randomization_group,site");
  EXPECT_EQ(field_rows[1], "," + expected[0].second + ",101");

  // Arm numbers by default; a single list has no stratum column.
  const testing::CliRun single =
      Cli({"generate", Example("worked-example.zfd"), "--format", "redcap"});
  const auto single_rows = Lines(single.out);
  ASSERT_EQ(single_rows.size(), 13u);
  EXPECT_EQ(single_rows[0], "redcap_randomization_number,redcap_randomization_group");
  EXPECT_EQ(single_rows[1], ",3");
  EXPECT_EQ(single_rows[2], ",1");
}

// What REDCap would refuse or misread is refused before anything is drawn, saying why
// and what to give; nothing is written, an earlier table stays.
TEST_F(AllocationTable, RedcapRefusesWhatItsUploadWouldNot) {
  const std::string design = Example("per-centre.zfd");
  const auto table = folder_ / "alloc.csv";
  std::ofstream(table, std::ios::binary) << "earlier";
  auto refused = [&](std::vector<std::string> options, const std::string& why) {
    std::vector<std::string> arguments = {"generate", design,     "--format",
                                          "redcap",   "--output", table.string()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const testing::CliRun run = Cli(arguments);
    EXPECT_EQ(run.status, kExitFailure) << why;
    EXPECT_NE(run.err.find(why), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadBytes(table), "earlier");
  };
  refused({}, "give --dag-ids CENTRE=ID,... for every centre (\"101\", \"102\"");
  refused({"--dag-ids", "101=3"}, "no data access group id for centre 2");
  refused({"--dag-ids", "101=3,102=0"}, "positive integers");
  refused({"--dag-ids", "101=3,102=x"}, "ID a whole number");
  refused({"--dag-ids", "101=3,102=3"}, "the same group 3");
  refused({"--centre-field", "my site"}, "no REDCap variable name");
  refused({"--centre-field", "Site"}, "no REDCap variable name");
  refused({"--centre-field", "site", "--arm-codes", "1=pla\xC3\xA9,2=v"},
          "is no REDCap choice code");
  refused({"--centre-field", "site", "--arm-codes", "1=a b,2=v"}, "is no REDCap choice code");
  for (const char* codes : {"1=a", "1=a,2=a", "1=a,2=b,3=c"}) {
    refused({"--centre-field", "site", "--arm-codes", codes}, "--arm-codes");
  }
  // The options go with a REDCap table, and each pair once.
  for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{
           {"generate", design, "--format", "redcap", "--arm-codes", "1=a,1=b"},
           {"generate", design, "--format", "redcap", "--arm-codes", "x=a"},
           {"generate", design, "--arm-codes", "1=a,2=b"},
           {"generate", design, "--dag-ids", "101=1"},
           {"generate", design, "--format", "xml"}}) {
    EXPECT_EQ(Cli(wrong).status, kExitFailure);
  }
  EXPECT_EQ(Names(), std::set<std::string>{"alloc.csv"});
}

// A run whose lists cannot all be drawn writes no table at all, to a file or to the
// terminal, and says so.
TEST_F(AllocationTable, ARunThatFailsWritesNoTable) {
  const std::string design =
      Write("misfit.zfd",
            "[Design]\r\nName=S\r\nArme=2\r\nFallzahl=8\r\nMulticenter=0\r\n[Arme]\r\n"
            "Anzahl=2\r\nRatio1=1\r\nRatio2=1\r\n[Bloecke]\r\nFix=0\r\nVon=4\r\nBis=5\r\n"
            "[Zufall]\r\nSeed=3\r\n");
  const auto table = folder_ / "t.csv";
  std::ofstream(table, std::ios::binary) << "earlier";
  for (const char* format : {"csv", "redcap"}) {
    const testing::CliRun to_file =
        Cli({"generate", design, "--format", format, "--output", table.string()});
    EXPECT_EQ(to_file.status, kExitIncomplete) << format;
    EXPECT_NE(to_file.err.find("no table written"), std::string::npos) << to_file.err;
    EXPECT_EQ(ReadBytes(table), "earlier");
    const testing::CliRun to_terminal = Cli({"generate", design, "--format", format});
    EXPECT_EQ(to_terminal.status, kExitIncomplete);
    EXPECT_EQ(to_terminal.out, "") << format;
  }
  EXPECT_EQ(Names(), (std::set<std::string>{"misfit.zfd", "t.csv"}));
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
  EXPECT_EQ(rows[0],
            "centre,patient,arm,arm_description,block,block_size,position_in_block,stratum,"
            "list_seed");
  // Known list: block sizes 6, 2, 2; arms 2,2,2,1,1,1 | 1,2 | 1,2.
  EXPECT_EQ(rows[1], ",1,2,B,1,6,1,1,12345");
  EXPECT_EQ(rows[4], ",4,1,\"A, \"\"fast\"\"\",1,6,4,1,12345");
  EXPECT_EQ(rows[6], ",6,1,\"A, \"\"fast\"\"\",1,6,6,1,12345");
  EXPECT_EQ(rows[7], ",7,1,\"A, \"\"fast\"\"\",2,2,1,1,12345");
  EXPECT_EQ(rows[10], ",10,2,B,3,2,2,1,12345");
}

// Texts of the design that a spreadsheet would run as formulas stay texts in the CSV
// table: read back as CSV, each such cell is the text behind a single quote.
TEST_F(AllocationTable, CsvCellsNeverRunAsFormulas) {
  const std::string design =
      Write("d.zfd",
            "[Design]\r\nName=S\r\nArme=2\r\nFallzahl=4\r\nMulticenter=1\r\nZentren=1\r\n"
            "[Arme]\r\nAnzahl=2\r\nBeschr1==HYPERLINK(\"http://x\";\"y\")\r\nRatio1=1\r\n"
            "Beschr2=@SUM(1+1)\r\nRatio2=1\r\n[Zentren]\r\nAnzahl=1\r\nID1=-2+3\r\nFallzahl1=4\r\n"
            "[Bloecke]\r\nFix=1\r\nGroesse=2\r\n[Zufall]\r\nSeed=5\r\n");
  const testing::CliRun run = Cli({"generate", design, "--format", "csv"});
  ASSERT_EQ(run.status, kExitComplete) << run.err;
  const auto rows = Lines(run.out);
  ASSERT_EQ(rows.size(), 5u);
  for (std::size_t i = 1; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].rfind("\"'-2+3\",", 0), 0u) << rows[i];
    const bool first_arm =
        rows[i].find(",1,\"'=HYPERLINK(\"\"http://x\"\";\"\"y\"\")\",") != std::string::npos;
    const bool second_arm = rows[i].find(",2,\"'@SUM(1+1)\",") != std::string::npos;
    EXPECT_TRUE(first_arm != second_arm) << rows[i];
  }
  // verify reads such a table back.
  const auto table = folder_ / "t.csv";
  ASSERT_EQ(Cli({"generate", design, "--format", "csv", "--output", table.string()}).status,
            kExitComplete);
  const testing::CliRun verified = Cli({"verify", design, table.string()});
  EXPECT_EQ(verified.status, kExitComplete) << verified.out;
}

}  // namespace
}  // namespace zufora::cli
