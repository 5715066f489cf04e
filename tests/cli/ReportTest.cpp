// The balance report counts what the list holds, and its simulation what observers guess.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <map>
#include <sstream>

#include "CliFixture.h"

namespace zufora::cli {
namespace {

using testing::CliFixture;
using testing::Lines;

class Report : public CliFixture {};

TEST_F(Report, CountsArmsBlocksAndImbalanceOfEachList) {
  // Known lists: 2,1 | 2,1 and 2,1 | 1,2 | 2,1 (the worked centre lists).
  const testing::CliRun run = Cli({"report", Example("per-centre.zfd"), "--format", "csv"});
  ASSERT_EQ(run.status, kExitComplete) << run.err;
  const auto rows = Lines(run.out);
  auto has = [&](const std::string& row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
  };
  EXPECT_EQ(rows[0], "section,list,centre,item,value,planned");
  EXPECT_TRUE(has("arm,1,101,1,2,2"));
  EXPECT_TRUE(has("arm,2,102,2,3,3"));
  EXPECT_TRUE(has("block_size,2,102,2,3,"));
  EXPECT_TRUE(has("largest_imbalance,1,101,,1,"));
  EXPECT_TRUE(has("final_imbalance,2,102,,0,"));
}

// A stratified design: each stratum's levels and patients per arm as the CSV table of the
// same design counts them, then the study, the strata's counts summed.
TEST_F(Report, StratifiedDesignsPerStratumAndOverTheStudy) {
  const testing::CliRun table = Cli({"generate", Example("stratified.zfd"), "--format", "csv"});
  ASSERT_EQ(table.status, kExitComplete) << table.err;
  // stratum -> "centre,sex,age_group" and patients of arms 1 and 2, from the table's rows.
  std::map<int, std::string> levels;
  std::map<int, std::array<int, 2>> arms;
  std::array<int, 2> study = {0, 0};
  const auto table_rows = Lines(table.out);
  for (std::size_t i = 1; i < table_rows.size(); ++i) {
    std::vector<std::string> fields;
    std::istringstream row(table_rows[i]);
    for (std::string field; std::getline(row, field, ',');) {
      fields.push_back(field);
    }
    ASSERT_EQ(fields.size(), 11u) << table_rows[i];
    const int stratum = std::stoi(fields[7]);
    const int arm = std::stoi(fields[2]);
    levels[stratum] = fields[0] + "," + fields[8] + "," + fields[9];
    ++arms[stratum][static_cast<std::size_t>(arm - 1)];
    ++study[static_cast<std::size_t>(arm - 1)];
  }
  ASSERT_EQ(levels.size(), 8u);

  const testing::CliRun run = Cli({"report", Example("stratified.zfd"), "--format", "csv"});
  ASSERT_EQ(run.status, kExitComplete) << run.err;
  const auto rows = Lines(run.out);
  auto has = [&](const std::string& row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
  };
  for (const auto& [stratum, text] : levels) {
    const std::string list = std::to_string(stratum);
    const std::string centre = text.substr(0, text.find(','));
    const std::string sex = text.substr(4, 1);
    const std::string age = text.substr(6, 1);
    EXPECT_TRUE(has("level," + list + "," + centre + ",sex," + sex + ",")) << list;
    EXPECT_TRUE(has("level," + list + "," + centre + ",age_group," + age + ",")) << list;
    for (std::size_t a = 0; a < 2; ++a) {
      EXPECT_TRUE(has("arm," + list + "," + centre + "," + std::to_string(a + 1) + "," +
                      std::to_string(arms[stratum][a]) + ",20"))
          << list << " arm " << a + 1;
    }
  }
  for (std::size_t a = 0; a < 2; ++a) {
    EXPECT_TRUE(
        has("study_arm,0,," + std::to_string(a + 1) + "," + std::to_string(study[a]) + ",160"))
        << a + 1;
  }
  EXPECT_TRUE(
      has("study_final_imbalance,0,,," + std::to_string(std::abs(study[0] - study[1])) + ","));

  const testing::CliRun text = Cli({"report", Example("stratified.zfd")});
  EXPECT_NE(text.out.find("\nStratum 1 (centre 101, Geschlecht: weiblich, Alter: < 65): seed "),
            std::string::npos)
      << text.out;
  EXPECT_NE(text.out.find("\nStratum 8 (centre 102, Geschlecht: männlich, Alter: >= 65): seed "),
            std::string::npos);
  EXPECT_NE(text.out.find("\nStudy, all 8 strata: 320 patients\n"), std::string::npos);

  // Designs without factors keep their report: no study section.
  const testing::CliRun centres = Cli({"report", Example("per-centre.zfd")});
  EXPECT_EQ(centres.out.find("Study"), std::string::npos);
  EXPECT_EQ(centres.out.find("Stratum"), std::string::npos);
}

TEST_F(Report, GuessesOfTheTwoObserversInBlocksOfTwo) {
  // Blocks of 2 with ratios 1:1: the first place of a block is a coin (1/2 right for both
  // observers), the second is always known to both. Every list ends balanced.
  const std::string design =
      Write("d.zfd",
            "[Design]\r\nName=S\r\nArme=2\r\nFallzahl=10\r\nMulticenter=0\r\n[Arme]\r\n"
            "Anzahl=2\r\nRatio1=1\r\nRatio2=1\r\n[Bloecke]\r\nFix=1\r\nGroesse=2\r\n"
            "[Zufall]\r\nSeed=1\r\n");
  const testing::CliRun run = Cli({"report", design, "--simulate", "200", "--format", "csv"});
  ASSERT_EQ(run.status, kExitComplete) << run.err;
  const auto rows = Lines(run.out);
  auto has = [&](const std::string& row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
  };
  EXPECT_TRUE(has("guess_convergence,0,,200,0.750000,"));
  EXPECT_TRUE(has("guess_blocks,0,,200,0.750000,"));
  EXPECT_TRUE(has("final_imbalance_seeds,0,,0,200,"));

  const testing::CliRun text = Cli({"report", design, "--simulate", "3"});
  EXPECT_NE(text.out.find("right guesses, convergence strategy:    0.7500"), std::string::npos)
      << text.out;
}

// Seeds whose lists cannot be drawn are counted, and the figures are over the others:
// the count is that of the seeds for which generate exits 1.
TEST_F(Report, SeedsThatCannotBeDrawnAreCountedAndLeftOut) {
  const std::string design =
      Write("d.zfd",
            "[Design]\r\nName=S\r\nArme=2\r\nFallzahl=20\r\nMulticenter=0\r\n[Arme]\r\n"
            "Anzahl=2\r\nRatio1=1\r\nRatio2=1\r\n[Bloecke]\r\nFix=0\r\nVon=4\r\nBis=6\r\n"
            "[Zufall]\r\nSeed=1\r\n");
  int failing = 0;
  for (int seed = 1; seed <= 40; ++seed) {
    failing += Cli({"generate", design, "--seed", std::to_string(seed)}).status == kExitIncomplete;
  }
  ASSERT_GT(failing, 0);
  ASSERT_LT(failing, 40);
  const testing::CliRun run = Cli({"report", design, "--simulate", "40", "--format", "csv"});
  const auto rows = Lines(run.out);
  auto has = [&](const std::string& row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
  };
  EXPECT_TRUE(has("seeds_drawn,0,,40," + std::to_string(40 - failing) + ",")) << run.out;
  EXPECT_TRUE(has("seeds_failed,0,,40," + std::to_string(failing) + ","));
  EXPECT_TRUE(has("guess_chance,0,,2,0.500000,"));
  std::int64_t counted = 0;
  for (const std::string& row : rows) {
    if (row.rfind("final_imbalance_seeds,", 0) == 0) {
      counted += std::stoll(row.substr(row.rfind(',', row.size() - 2) + 1));
    }
  }
  EXPECT_EQ(counted, 40 - failing);
  const testing::CliRun text = Cli({"report", design, "--simulate", "40"});
  EXPECT_NE(text.out.find("seeds drawn in full: " + std::to_string(40 - failing) + " of 40; " +
                          std::to_string(failing) + " could not be drawn (seeds "),
            std::string::npos)
      << text.out;
  EXPECT_NE(text.out.find("(standard error 0."), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("chance, one guess among 2 arms:         0.5000"), std::string::npos);

  // When no seed can be drawn there is nothing to report, and no rate is made up.
  const std::string hopeless =
      Write("h.zfd",
            "[Design]\r\nName=S\r\nArme=2\r\nFallzahl=3\r\nMulticenter=0\r\n[Arme]\r\n"
            "Anzahl=2\r\nRatio1=1\r\nRatio2=1\r\n[Bloecke]\r\nFix=1\r\nGroesse=2\r\n"
            "[Zufall]\r\nSeed=1\r\n");
  const testing::CliRun none = Cli({"report", hopeless, "--simulate", "5"});
  EXPECT_NE(none.out.find("seeds drawn in full: 0 of 5; 5 could not be drawn"), std::string::npos)
      << none.out;
  EXPECT_EQ(none.out.find("right guesses"), std::string::npos);
}

TEST_F(Report, SimulationsAreBoundedAndTheCsvIsQuoted) {
  const std::string design = Example("worked-example.zfd");
  const testing::CliRun too_many = Cli({"report", design, "--simulate", "100001"});
  EXPECT_EQ(too_many.status, kExitFailure);
  EXPECT_NE(too_many.err.find("at most 100000 seeds"), std::string::npos) << too_many.err;
  const std::string big =
      Write("big.zfd",
            "[Design]\r\nName=S\r\nArme=2\r\nFallzahl=1000000\r\n[Arme]\r\nAnzahl=2\r\n"
            "Ratio1=1\r\nRatio2=1\r\n[Bloecke]\r\nFix=1\r\nGroesse=2\r\n[Zufall]\r\nSeed=1\r\n");
  const testing::CliRun too_long = Cli({"report", big, "--simulate", "1001"});
  EXPECT_EQ(too_long.status, kExitFailure);
  EXPECT_NE(too_long.err.find("at most 1000000000 patients"), std::string::npos) << too_long.err;
  EXPECT_EQ(too_long.out, "");

  const std::string centres =
      Write("c.zfd",
            "[Design]\r\nName=S\r\nArme=2\r\nFallzahl=4\r\nMulticenter=1\r\nZentren=2\r\n"
            "[Arme]\r\nAnzahl=2\r\nRatio1=1\r\nRatio2=1\r\n[Zentren]\r\nAnzahl=2\r\nID1=a,b\r\n"
            "Fallzahl1=2\r\nID2==1+1\r\nFallzahl2=2\r\n[Bloecke]\r\nFix=1\r\nGroesse=2\r\n"
            "[Zufall]\r\nSeed=1\r\n");
  const testing::CliRun csv = Cli({"report", centres, "--format", "csv"});
  ASSERT_EQ(csv.status, kExitComplete) << csv.err;
  EXPECT_NE(csv.out.find("\r\narm,1,\"a,b\",1,1,1\r\n"), std::string::npos) << csv.out;
  EXPECT_NE(csv.out.find("\r\narm,2,\"'=1+1\",1,1,1\r\n"), std::string::npos) << csv.out;
}

// The report names what "planned" and "imbalance" are made of.
TEST_F(Report, SaysWhatItsFiguresMean) {
  const std::string design =
      Write("d.zfd",
            "[Design]\r\nName=S\r\nArme=2\r\nFallzahl=6\r\n[Arme]\r\nAnzahl=2\r\n"
            "Ratio1=2\r\nRatio2=1\r\n[Bloecke]\r\nFix=1\r\nGroesse=3\r\n[Zufall]\r\n"
            "Seed=1\r\n");
  const testing::CliRun run = Cli({"report", design});
  EXPECT_NE(run.out.find("planned (6 x ratio / 3)"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Ratios 2:1; imbalance: patients / ratio"), std::string::npos);
  // At their ratios, 4 and 2 patients, the arms are balanced.
  EXPECT_NE(run.out.find("at the end: 0\n"), std::string::npos) << run.out;
}

TEST_F(Report, WrongCommandLines) {
  const std::string design = Example("worked-example.zfd");
  EXPECT_EQ(Cli({"report"}).status, kExitFailure);
  EXPECT_EQ(Cli({"report", design, "--simulate", "0"}).status, kExitFailure);
  EXPECT_EQ(Cli({"report", design, "--format", "xml"}).status, kExitFailure);
  EXPECT_EQ(Cli({"report", design, "--simulate", "x"}).status, kExitFailure);
}

}  // namespace
}  // namespace zufora::cli
