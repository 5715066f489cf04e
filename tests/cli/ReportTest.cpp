// The balance report counts what the list holds, and its simulation what observers guess.
#include <gtest/gtest.h>

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

TEST_F(Report, WrongCommandLines) {
  const std::string design = Example("worked-example.zfd");
  EXPECT_EQ(Cli({"report"}).status, kExitFailure);
  EXPECT_EQ(Cli({"report", design, "--simulate", "0"}).status, kExitFailure);
  EXPECT_EQ(Cli({"report", design, "--format", "xml"}).status, kExitFailure);
}

}  // namespace
}  // namespace zufora::cli
