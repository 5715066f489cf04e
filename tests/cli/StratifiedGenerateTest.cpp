// zufora-cli generate on a stratified design: the list text with a heading for each
// stratum, and no table until the tables have columns for strata.
#include <gtest/gtest.h>

#include "CliFixture.h"

namespace zufora::cli {
namespace {

using testing::CliFixture;
using testing::Lines;

class StratifiedGenerate : public CliFixture {};

TEST_F(StratifiedGenerate, TheListTextHasAHeadingForEachStratum) {
  const testing::CliRun run = Cli({"generate", Example("stratified.zfd")});
  ASSERT_EQ(run.status, kExitComplete) << run.err;
  EXPECT_EQ(run.err, "");
  std::vector<std::string> headings;
  for (const std::string& line : Lines(run.out)) {
    if (line.starts_with("Zentrum ")) {
      headings.push_back(line.substr(0, line.find(" - Seed: (")));
    }
  }
  EXPECT_EQ(headings, (std::vector<std::string>{
                          "Zentrum 101\tKlinik Nord - Geschlecht: weiblich - Alter: < 65",
                          "Zentrum 101\tKlinik Nord - Geschlecht: weiblich - Alter: >= 65",
                          "Zentrum 101\tKlinik Nord - Geschlecht: männlich - Alter: < 65",
                          "Zentrum 101\tKlinik Nord - Geschlecht: männlich - Alter: >= 65",
                          "Zentrum 102\tKlinik Süd-West - Geschlecht: weiblich - Alter: < 65",
                          "Zentrum 102\tKlinik Süd-West - Geschlecht: weiblich - Alter: >= 65",
                          "Zentrum 102\tKlinik Süd-West - Geschlecht: männlich - Alter: < 65",
                          "Zentrum 102\tKlinik Süd-West - Geschlecht: männlich - Alter: >= 65",
                      }));
  // Each stratum as long as its centre: 8 x 40 allocation lines.
  std::size_t allocations = 0;
  for (const std::string& line : Lines(run.out)) {
    if (!line.empty() && line.front() >= '1' && line.front() <= '9') {
      ++allocations;
    }
  }
  EXPECT_EQ(allocations, 320u);

  // The list text written to a file is verified line by line.
  const auto list = folder_ / "strata.txt";
  ASSERT_EQ(Cli({"generate", Example("stratified.zfd"), "--output", list.string()}).status,
            kExitComplete);
  const testing::CliRun verify = Cli({"verify", Example("stratified.zfd"), list.string()});
  EXPECT_EQ(verify.status, kExitComplete) << verify.out << verify.err;
}

TEST_F(StratifiedGenerate, TablesAreRefusedForNowAndNothingIsWritten) {
  for (const char* format : {"csv", "redcap"}) {
    const auto table = folder_ / "table.csv";
    const testing::CliRun run = Cli(
        {"generate", Example("stratified.zfd"), "--format", format, "--output", table.string()});
    EXPECT_EQ(run.status, kExitFailure) << format;
    EXPECT_NE(run.err.find("--format " + std::string(format) + " has no columns for strata"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists(table));
  }
  // A design with per-centre lists still gets its tables.
  EXPECT_EQ(Cli({"generate", Example("per-centre.zfd"), "--format", "csv"}).status, kExitComplete);
}

}  // namespace
}  // namespace zufora::cli
